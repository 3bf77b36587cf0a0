#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/printer.h"

namespace velmora::testing {

// Records every operation in order; fails the operations `fails` picks, with `failure`.
class RecordingPrinter final : public Printer {
 public:
  enum class Kind { Begin, PageSize, Position, FontSize, Text, Circle, End };

  struct Operation {
    Kind kind;
    Twips x = 0;  // the print position for Text
    Twips y = 0;
    int size = 0;  // the font size for FontSize and Text, the radius for Circle
    std::string text;
  };

  Status begin_document() override { return Record(Kind::Begin); }
  Status page_size(PageSize& size) override {
    size = page;
    return Record(Kind::PageSize);
  }
  Status set_position(Twips x, Twips y) override {
    Status status = Record(Kind::Position, x, y);
    x_ = x;
    y_ = y;
    return status;
  }
  Status set_font_size(int points) override {
    font_size_ = points;
    return Record(Kind::FontSize, 0, 0, points);
  }
  Status print_line(std::string_view text) override {
    Status status = Record(Kind::Text, x_, y_, font_size_, text);
    x_ = 0;
    y_ += kLineHeight;
    return status;
  }
  Status circle(Twips x, Twips y, Twips radius) override {
    return Record(Kind::Circle, x, y, radius);
  }
  Status end_document() override { return Record(Kind::End); }
  void abort_document() override { ++aborts; }

  std::vector<Operation> of_kind(Kind kind) const {
    std::vector<Operation> found;
    for (const Operation& operation : operations) {
      if (operation.kind == kind) found.push_back(operation);
    }
    return found;
  }

  PageSize page{12240, 15840};  // US Letter
  std::vector<Operation> operations;
  std::function<bool(const Operation&)> fails;
  Failure failure{482, "Printer error"};
  int aborts = 0;

 private:
  static constexpr Twips kLineHeight = 230;

  Status Record(Kind kind, Twips x = 0, Twips y = 0, int size = 0, std::string_view text = {}) {
    Operation operation{kind, x, y, size, std::string(text)};
    const bool failed = fails && fails(operation);
    operations.push_back(std::move(operation));
    if (failed) return failure;
    return {};
  }

  Twips x_ = 0;
  Twips y_ = 0;
  int font_size_ = 0;
};

}  // namespace velmora::testing
