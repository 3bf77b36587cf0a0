#include "app/main_form.h"

#include "ports/window_system.h"
#include "worksheet/worksheet.h"

namespace velmora {

void MainForm::print_sheet(PageStyle style) {
  const Answer answer =
      platform_.windows.show_message({std::string(kWorksheetQuestion), Buttons::OkCancel,
                                      Icon::None, std::string(kWorksheetQuestionTitle)});
  if (answer == Answer::Cancel) return;
  Print_Worksheet({Key_Names_, Chord_Types_, controls_.Center_Question.checked(),
                   platform_.printer, platform_.answer_log, platform_.random, platform_.clock,
                   platform_.windows, style, false, {}, note_naming_});
  // A count of 17 lets "Create" replace the puzzle without asking first.
  Correct_Count_ = 17;
  Create_Puzzle_Click();
}

}  // namespace velmora
