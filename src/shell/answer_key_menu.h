#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "ports/settings_store.h"
#include "shell/answer_key_pdf.h"

class QWidget;

namespace velmora {

class QtWindowSystem;

// The paper and page the window's last sheet was printed on, as the settings keep them; the
// region's paper and the window's page when no sheet was printed.
SheetPaper last_sheet_paper(const Settings& settings);

// Asks for the key's paper from a list of A4, Letter and the proposed paper, each with the
// window's page and the classroom page, proposing `proposed`; none when cancelled.
std::optional<SheetPaper> ask_key_paper(QWidget* parent, const SheetPaper& proposed);

// Makes the answer key of the sheets printed from this folder, from ./Worksheet.id, asking
// `choose_paper` which paper and page it is laid out on (proposing `proposed_paper`; none when
// cancelled) and `choose_file` where it goes (proposing a file; empty when cancelled), and
// telling every failure and every part of the log left out in a message box. A log that cannot
// give a key is told before any question. The notes are written in `naming`.
void make_answer_key(
    QtWindowSystem& windows, const SheetPaper& proposed_paper,
    const std::function<std::optional<SheetPaper>(const SheetPaper& proposed)>& choose_paper,
    const std::function<QString(const QString& proposed)>& choose_file,
    NoteNaming naming = NoteNaming::Letters);

}  // namespace velmora
