#pragma once

#include <deque>
#include <functional>
#include <span>
#include <vector>

#include "ports/window_system.h"

namespace velmora::testing {

// Records every box and answers it from a script (OK once the script runs out); hands each
// repaint to `on_repaint`.
class FakeWindowSystem final : public WindowSystem {
 public:
  Answer show_message(const MessageBox& box) override {
    boxes.push_back(box);
    if (answers.empty()) return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void repaint_circles(std::span<const int> circles) override {
    if (on_repaint) on_repaint(circles);
  }
  void show_about() override {}

  std::deque<Answer> answers;
  std::vector<MessageBox> boxes;
  std::function<void(std::span<const int>)> on_repaint;
};

}  // namespace velmora::testing
