#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ports/printer.h"
#include "ports/status.h"
#include "worksheet/answer_log_reader.h"
#include "worksheet/page.h"

namespace velmora {

inline constexpr std::string_view kAnswerKeyHeading =
    "Answer key: every chord reads from its far end towards its name.";
inline constexpr std::string_view kAnswerKeyFooter = "Answer key created by Velmora";

// "12/06/26-1 18:02:06": the label the sheet shows above the star, and the time that tells two
// sheets of one day apart.
std::string key_star_label(const LoggedStar& star);

// The batch a key was made with: its page n is sheet n of `sheets`, drawn from `seed`.
struct KeyBatch {
  int sheets = 0;
  std::uint64_t seed = 0;
};

// Lays the key out as its stars come, one page per printed sheet: each star stands where it
// stood on its sheet, drawn as the sheet's page style draws it, with all 17 notes in their
// circles and the chord names at their lines. A star whose place on the page is taken already,
// or comes before the last one placed, starts a new page. A page is handed on as soon as it is
// complete, so a key of any length holds one page at a time. A key page of a batch repeats its
// sheet's identification.
class AnswerKeyLayout {
 public:
  using PageDone = std::function<Status(const MarkedPage& page)>;

  AnswerKeyLayout(const PageGeometry& geometry, std::optional<KeyBatch> batch,
                  PageDone page_done)
      : geometry_(geometry), batch_(batch), page_done_(std::move(page_done)) {}

  Status add(const LoggedStar& star);
  // Hands on the last page.
  Status finish();
  int pages() const { return pages_; }

 private:
  void begin_page();

  PageGeometry geometry_;
  std::optional<KeyBatch> batch_;
  PageDone page_done_;
  MarkedPage page_;
  int pages_ = 0;
  int last_placed_ = kWorksheetStars;
};

}  // namespace velmora
