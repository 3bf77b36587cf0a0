#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ports/printer.h"

namespace velmora::testing {

// Records what reaches the page, in order; fails the `fail_at`-th operation of kind `fail_kind`.
class RecordingPrinter final : public Printer {
 public:
  enum class Kind { Begin, Text, Circle, End, Line };

  struct Operation {
    Kind kind;
    Twips x = 0;  // where a text or a circle's centre is
    Twips y = 0;
    int size = 0;  // the font size of a text, the radius of a circle
    std::string text{};
    TwipPoint to{};  // where a line ends
  };

  Status begin_document() override { return record({Kind::Begin}); }
  Status page_size(PageSize& size) override {
    size = page;
    return {};
  }
  Status set_position(Twips x, Twips y) override {
    x_ = x;
    y_ = y;
    return {};
  }
  Status set_font_size(int points) override {
    font_size_ = points;
    return {};
  }
  Status print_line(std::string_view text) override {
    const Status status = record({Kind::Text, x_, y_, font_size_, std::string(text)});
    x_ = 0;
    y_ += 230;
    return status;
  }
  Status circle(Twips x, Twips y, Twips radius) override {
    return record({Kind::Circle, x, y, radius});
  }
  Status line(TwipPoint from, TwipPoint to) override {
    return record({Kind::Line, from.x, from.y, 0, {}, to});
  }
  Status end_document() override { return record({Kind::End}); }
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
  Kind fail_kind = Kind::Begin;
  int fail_at = 0;  // 0: nothing fails
  Failure failure{482, "Printer error"};
  int aborts = 0;

 private:
  Status record(Operation operation) {
    operations.push_back(std::move(operation));
    const Kind kind = operations.back().kind;
    const auto same_kind = [kind](const Operation& done) { return done.kind == kind; };
    if (kind == fail_kind &&
        std::count_if(operations.begin(), operations.end(), same_kind) == fail_at) {
      return failure;
    }
    return {};
  }

  Twips x_ = 0;
  Twips y_ = 0;
  int font_size_ = 0;
};

}  // namespace velmora::testing
