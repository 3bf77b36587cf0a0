#pragma once

#include <deque>
#include <functional>
#include <span>
#include <vector>

#include "ports/window_system.h"

namespace velmora::testing {

// Records every box and repaint; answers boxes from a script (OK once the script runs out).
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
    repaints.emplace_back(circles.begin(), circles.end());
    if (on_repaint) on_repaint();
  }
  void show_about() override { ++about_shown; }

  std::deque<Answer> answers;
  std::vector<MessageBox> boxes;
  std::vector<std::vector<int>> repaints;
  std::function<void()> on_repaint;
  int about_shown = 0;
};

}  // namespace velmora::testing
