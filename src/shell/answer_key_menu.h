#pragma once

#include <QString>
#include <functional>

namespace velmora {

class QtWindowSystem;

// Makes the answer key of the sheets printed from this folder, from ./Worksheet.id, asking
// `choose_file` where it goes (proposing a file; empty when cancelled) and telling every failure
// and every part of the log left out in a message box.
void make_answer_key(QtWindowSystem& windows,
                     const std::function<QString(const QString& proposed)>& choose_file);

}  // namespace velmora
