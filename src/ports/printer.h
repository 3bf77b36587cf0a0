#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ports/status.h"

namespace velmora {

// Page positions in twips (1/1440 inch) from the page's top-left corner, y growing downwards.
using Twips = std::int32_t;

struct TwipPoint {
  Twips x;
  Twips y;

  bool operator==(const TwipPoint&) const = default;
};

// Something drawn on a page: a text with its top-left corner at `at` in `size` points, a circle
// outline around `at` of radius `size` twips, or a line from `at` to `to`.
struct PageMark {
  enum class Kind { Text, Circle, Line };
  Kind kind = Kind::Text;
  TwipPoint at{};
  int size = 0;
  std::string text;
  TwipPoint to{};

  bool operator==(const PageMark&) const = default;
};

using MarkedPage = std::vector<PageMark>;

// As the platform reports it; a custom paper can be larger than positions can address.
struct PageSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// One printed page. Nothing reaches the printer before `end_document`; after a failure the
// caller aborts the document, so no half page comes out.
class Printer {
 public:
  virtual ~Printer() = default;
  // Starts the print job; the user may choose the printer here, or cancel.
  virtual Status begin_document() = 0;
  virtual Status page_size(PageSize& page) = 0;
  virtual Status set_position(Twips x, Twips y) = 0;
  virtual Status set_font_size(int points) = 0;
  // Prints with the text's top-left corner at the print position, then moves the position to
  // the start of the next line.
  virtual Status print_line(std::string_view text) = 0;
  virtual Status circle(Twips x, Twips y, Twips radius) = 0;
  virtual Status line(TwipPoint from, TwipPoint to) = 0;
  // Sends the page to the printer.
  virtual Status end_document() = 0;
  // Drops the document and everything drawn on it; harmless when none was begun.
  virtual void abort_document() = 0;
};

}  // namespace velmora
