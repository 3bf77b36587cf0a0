#pragma once

#include <QString>
#include <functional>

#include "theory/note_naming.h"

namespace velmora {

class QtWindowSystem;

// Makes the answer key of the sheets printed from this folder, from ./Worksheet.id, asking
// `choose_file` where it goes (proposing a file; empty when cancelled) and telling every failure
// and every part of the log left out in a message box. The notes are written in `naming`.
void make_answer_key(QtWindowSystem& windows,
                     const std::function<QString(const QString& proposed)>& choose_file,
                     NoteNaming naming = NoteNaming::Letters);

}  // namespace velmora
