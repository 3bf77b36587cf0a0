#include "app/about.h"

#include "ports/window_system.h"
#include "velmora/version.h"

namespace velmora {

std::string version_text() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

std::string splash_version_caption() { return "version: " + version_text(); }

std::string about_caption() { return "About " + std::string(kAppTitle); }

std::string about_version_caption() { return "Version " + version_text(); }

std::string help_text() {
  std::string text;
  for (std::string_view line : kHelpLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace velmora
