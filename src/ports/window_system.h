#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kAppTitle = "Velmora";

enum class Buttons { Ok, OkCancel };
enum class Icon { None, Critical };
enum class Answer { Ok, Cancel };

struct MessageBox {
  std::string text;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  std::string title{kAppTitle};
};

// Message boxes, immediate repaints and the About box: everything the handlers need from the
// window system. A box is modal; closing it counts as Cancel.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual Answer show_message(const MessageBox& box) = 0;
  // Shows the current captions of these circles (numbers 1..17) on screen now, before a
  // blocking pause lets the event loop run again.
  virtual void repaint_circles(std::span<const int> circles) = 0;
  virtual void show_about() = 0;
};

}  // namespace velmora
