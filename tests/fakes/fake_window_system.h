#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "ports/window_system.h"

namespace velmora::testing {

// Records every box and gives each the same answer; hands each repaint to `on_repaint`.
class FakeWindowSystem final : public WindowSystem {
 public:
  Answer show_message(const MessageBox& box) override {
    boxes.push_back(box);
    return answer;
  }
  void repaint_circles(std::span<const int> circles) override {
    if (on_repaint) on_repaint(circles);
  }
  void show_about() override {}

  std::vector<std::string> texts() const {
    std::vector<std::string> texts;
    for (const MessageBox& box : boxes) texts.push_back(box.text);
    return texts;
  }

  Answer answer = Answer::Ok;
  std::vector<MessageBox> boxes;
  std::function<void(std::span<const int>)> on_repaint;
};

}  // namespace velmora::testing
