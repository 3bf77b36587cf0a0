#include "app/about.h"

#include "ports/window_system.h"
#include "velmora/version.h"

namespace velmora {

std::string Version_Text() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

std::string Splash_Version_Caption() { return "version: " + Version_Text(); }

std::string About_Caption() { return "About " + std::string(kAppTitle); }

std::string About_Version_Caption() { return "Version " + Version_Text(); }

std::string Help_Text() {
  std::string text;
  for (std::string_view line : kHelpLines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace velmora
