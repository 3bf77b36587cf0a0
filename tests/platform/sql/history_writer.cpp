// Opens the history in a folder, says whether it is on and what the learner would be told, and
// records a number of Checks of 16 answers each: one of the copies in the sharing test. Asked
// to record none, it prints how many Checks and answers the summary counts.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/sql/sql_history.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  velmora::SqlHistory history(QString::fromLocal8Bit(argv[1]));
  std::printf("%s\n%s\n", history.on() ? "on" : "off", history.notice().c_str());
  const velmora::CheckRecord check{
      1796565910, "Expert", "C",
      std::vector<velmora::RecordedAnswer>(16, {1, "Dom9", "root", "F", "F", velmora::Outcome::Right})};
  const int checks = std::atoi(argv[2]);
  if (checks == 0) {
    const velmora::ProgressSummary summary = history.summary();
    std::printf("%d checks, %d answers\n", summary.checks, summary.total.answers());
  }
  for (int count = checks; count > 0; --count) {
    if (!history.record(check).ok()) return 1;
  }
  return 0;
}
