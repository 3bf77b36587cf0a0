#pragma once

#include <QString>
#include <string_view>

namespace velmora {

// The program's texts are single-byte; the windows show them as they are.
inline QString to_qstring(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmora
