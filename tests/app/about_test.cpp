#include "app/about.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

std::vector<std::string> Split_Crlf_Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(About, CaptionsCarryTitleAndVersion) {
  EXPECT_EQ(Version_Text(), "1.1.30");
  EXPECT_EQ(About_Caption(), "About Velmora");
  EXPECT_EQ(About_Version_Caption(), "Version 1.1.30");
  EXPECT_EQ(Splash_Version_Caption(), "version: 1.1.30");
}

TEST(About, HelpTextEndsEveryLineWithCrLf) {
  const std::vector<std::string> lines = Split_Crlf_Lines(Help_Text());
  ASSERT_EQ(lines.size(), 26U) << "25 lines and nothing after the last CR LF";
  EXPECT_EQ(lines.back(), "");
  for (std::size_t i = 0; i < 25; ++i) {
    EXPECT_EQ(lines[i], kHelpLines[i]) << "line " << i + 1;
    EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
  }
}

TEST(About, HelpTextKeepsItsEmptyLinesAndTrailingBlanks) {
  for (std::size_t line : {2, 3, 18}) EXPECT_EQ(kHelpLines[line - 1], "") << "line " << line;
  for (std::size_t line : {5, 8, 9, 11, 13, 14, 16, 21, 23}) {
    EXPECT_TRUE(kHelpLines[line - 1].ends_with(" ")) << "line " << line;
    EXPECT_FALSE(kHelpLines[line - 1].ends_with("  ")) << "line " << line;
  }
}

}  // namespace
}  // namespace velmora
