#include <gtest/gtest.h>

#include "shell/sheet_jobs.h"

namespace velmora {
namespace {

// A batch takes 1 to 100 sheets: both bounds are jobs, the numbers just past them mistakes.
TEST(SheetJobArgumentsTest, ABatchTakesOneToAHundredSheets) {
  for (const auto& [sheets, taken] :
       {std::pair{"1", true}, {"100", true}, {"0", false}, {"101", false}}) {
    SheetJobArguments given;
    given.worksheets = QString(sheets);
    given.output = QStringLiteral("out");
    QString mistake;
    const std::optional<SheetJob> job = read_sheet_job(given, mistake);
    EXPECT_EQ(job ? job->sheets : 0, taken ? QString(sheets).toInt() : 0)
        << sheets << ": " << mistake.toStdString();
  }
}

}  // namespace
}  // namespace velmora
