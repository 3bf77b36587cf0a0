#include "app/practice.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "puzzle/answers.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, kChordTones> kToneNames = {"root", "third", "fifth",
                                                                  "seventh", "ninth"};

Outcome outcome_of(AnswerClass verdict) {
  switch (verdict) {
    case AnswerClass::Right:
      return Outcome::Right;
    case AnswerClass::RightPitchWrongSpelling:
      return Outcome::Misspelled;
    case AnswerClass::Wrong:
      return Outcome::Wrong;
    case AnswerClass::Empty:
      return Outcome::Empty;
  }
  return Outcome::Wrong;
}

// The name as the player sees it, without the padding blanks.
std::string given_name(const std::string& caption) {
  const std::optional<NoteName> note = NoteName::from_text(caption);
  if (note) return note->text();
  const std::size_t first = caption.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : caption.substr(first);
}

}  // namespace

CheckRecord make_check_record(const Board& board, const CircleLabels& labels, bool expert,
                              std::int64_t time, const RevealedCircles& revealed, bool retry) {
  CheckRecord record;
  record.time = time;
  record.level = expert ? "Expert" : "Beginner";
  const std::optional<NoteName>& centre = circle_note(board.Circle_Notes, kCentreCircle);
  record.key = centre ? centre->text() : std::string();
  record.retry = retry;
  for (int circle = 1; circle <= kCircleCount; ++circle) {
    const std::optional<NoteName>& answer = circle_note(board.Circle_Notes, circle);
    const Label& label = labels[circle - 1];
    if (!answer || !label.enabled) continue;
    RecordedAnswer recorded{circle, {}, {}, given_name(label.caption), answer->text(),
                            outcome_of(classify_answer(label.caption, answer))};
    if (revealed[circle - 1]) {
      recorded.given.clear();
      recorded.outcome = Outcome::Wrong;
      recorded.revealed = true;
    }
    for (int line = 0; line < kChordLineCount; ++line) {
      for (int tone = 0; tone < kChordTones; ++tone) {
        if (kChordLineCircles[line][tone] != circle) continue;
        recorded.tone = kToneNames[tone];
        if (circle != kCentreCircle) recorded.chord_type = board.chords[line];
      }
    }
    record.answers.push_back(std::move(recorded));
  }
  return record;
}

std::string history_off_message(const std::string& reason) {
  return "Velmora could not record this Check in your practice history (" + reason +
         "). You can go on playing, but the rest of this run is not recorded.";
}

std::vector<double> weak_spot_weights(const FramedList& list, const std::vector<TallyRow>& recent) {
  std::vector<double> weights;
  for (int position = 1; position < count_framed_entries(list) - 1; ++position) {
    const auto row = std::find_if(recent.begin(), recent.end(),
                                  [&](const TallyRow& r) { return r.name == list[position]; });
    const Tally tally = row == recent.end() ? Tally{} : row->tally;
    const double missed = tally.wrong + tally.misspelled;
    weights.push_back(kFloorWeight + (missed + 1) / (missed + tally.right + 2));
  }
  return weights;
}

}  // namespace velmora
