#pragma once

#include <functional>
#include <string>

#include "ports/window_system.h"

class QWidget;

namespace velmora {

// Message boxes and repaints for the core's handlers. The main window connects the hooks; tests
// replace the presenter so that no modal box is ever entered.
class QtWindowSystem final : public WindowSystem {
 public:
  using Presenter = std::function<Answer(const MessageBox&)>;

  explicit QtWindowSystem(QWidget* owner);

  Answer show_message(const MessageBox& box) override;
  void repaint_circles(std::span<const int> circles) override;
  void show_about() override;

  void set_presenter(Presenter presenter) { presenter_ = std::move(presenter); }
  // Runs before every box, so the window shows the handler's work behind it.
  void set_before_message(std::function<void()> hook) { before_message_ = std::move(hook); }
  void set_repainter(std::function<void(std::span<const int>)> hook) {
    repainter_ = std::move(hook);
  }
  void set_about_shower(std::function<void()> hook) { about_shower_ = std::move(hook); }
  // Puts each box's title and text into the window's language before it is shown.
  void set_wording(std::function<std::string(const std::string&)> wording) {
    wording_ = std::move(wording);
  }

 private:
  Presenter presenter_;
  std::function<void()> before_message_;
  std::function<void(std::span<const int>)> repainter_;
  std::function<void()> about_shower_;
  std::function<std::string(const std::string&)> wording_;
};

}  // namespace velmora
