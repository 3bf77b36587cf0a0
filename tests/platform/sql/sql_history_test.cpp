#include "platform/sql/sql_history.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>

namespace velmora {
namespace {

// Runs SQL on a file with the sqlite3 program and gives its output.
std::string sql(const QString& file, const QString& statements) {
  QProcess sqlite;
  sqlite.start("sqlite3", {file, statements});
  EXPECT_TRUE(sqlite.waitForFinished(10000) && sqlite.exitCode() == 0) << statements.toStdString();
  return sqlite.readAllStandardOutput().trimmed().toStdString();
}

QByteArray read_file(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

CheckRecord check(std::int64_t time, const char* key, std::vector<RecordedAnswer> answers) {
  return {time, "Expert", key, std::move(answers)};
}

const RecordedAnswer kRight{3, "Dom9", "ninth", "G", "G", Outcome::Right};

class SqlHistoryTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString file = SqlHistory::file_in(folder.path());
};

// Sunday 29 November and Monday 30 November 2026, 10:00 UTC.
constexpr std::int64_t kSunday = 1795946400;
constexpr std::int64_t kMonday = kSunday + 86400;

TEST_F(SqlHistoryTest, RecordsSumUpExportAndAreForgotten) {
  SqlHistory history(folder.path());
  ASSERT_TRUE(history.on() && history.notice().empty()) << history.notice();
  ASSERT_TRUE(history.record(check(kSunday, "C", {{3, "Dom9", "ninth", "A", "G", Outcome::Wrong},
                                                  {9, "", "fifth", "C", "C", Outcome::Right}}))
                  .ok());
  ASSERT_TRUE(history.record(check(kMonday, "Ab", {{6, "Dom9", "seventh", "F#", "Gb", Outcome::Misspelled},
                                                   {7, "6/9", "root", "", "Db", Outcome::Empty},
                                                   {8, "6/9", "third", "F", "F", Outcome::Right},
                                                   {10, "6/9", "seventh", "D", "D", Outcome::Right},
                                                   {11, "6/9", "seventh", "E", "Eb", Outcome::Wrong}}))
                  .ok());
  ProgressSummary expected;
  expected.checks = 2;
  expected.total = {3, 1, 2, 1};
  expected.by_chord_type = {{"6/9", {2, 0, 1, 1}}, {"Dom9", {0, 1, 1, 0}}};
  expected.by_key = {{"Ab", {2, 1, 1, 1}}, {"C", {1, 0, 1, 0}}};
  // The share missed orders them: one of one before two of three.
  expected.by_tone = {{"ninth", {0, 0, 1, 0}}, {"root", {0, 0, 0, 1}}, {"seventh", {1, 1, 1, 0}},
                      {"fifth", {1, 0, 0, 0}}, {"third", {1, 0, 0, 0}}};
  expected.by_week = {{"2026-11-23", {1, 0, 1, 0}}, {"2026-11-30", {2, 1, 1, 1}}};
  EXPECT_EQ(history.summary(), expected);
  EXPECT_EQ(history.recent(3), (RecentTallies{{{"6/9", {2, 0, 1, 0}}}, {{"Ab", {2, 0, 1, 0}}}}));

  const QString csv = folder.filePath("answers.csv");
  ASSERT_TRUE(history.export_csv(csv.toStdString()).ok());
  EXPECT_EQ(read_file(csv).toStdString(),
            "time,level,key,circle,chord type,tone,given,answer,outcome\r\n"
            "2026-11-29T10:00:00Z,Expert,C,3,Dom9,ninth,A,G,wrong\r\n"
            "2026-11-29T10:00:00Z,Expert,C,9,,fifth,C,C,right\r\n"
            "2026-11-30T10:00:00Z,Expert,Ab,6,Dom9,seventh,F#,Gb,misspelled\r\n"
            "2026-11-30T10:00:00Z,Expert,Ab,7,6/9,root,,Db,empty\r\n"
            "2026-11-30T10:00:00Z,Expert,Ab,8,6/9,third,F,F,right\r\n"
            "2026-11-30T10:00:00Z,Expert,Ab,10,6/9,seventh,D,D,right\r\n"
            "2026-11-30T10:00:00Z,Expert,Ab,11,6/9,seventh,E,Eb,wrong\r\n");
  EXPECT_FALSE(history.export_csv(folder.filePath("none/answers.csv").toStdString()).ok());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).join(" ").toStdString(),
            "answers.csv history.sqlite history.sqlite-shm history.sqlite-wal");

  ASSERT_TRUE(history.forget().ok());
  EXPECT_EQ(history.summary(), ProgressSummary{});
  ASSERT_TRUE(history.record(check(kMonday, "C", {kRight})).ok());
  EXPECT_EQ(history.summary().checks, 1);
}

// The file is moved aside under a dated name, the learner is told where, and a new one starts.
TEST_F(SqlHistoryTest, ADamagedOrForeignFileIsSetAsideAndANewHistoryStarts) {
  {
    SqlHistory history(folder.path());
    for (int repeat = 0; repeat < 100; ++repeat) {
      ASSERT_TRUE(history.record(check(kMonday, "C", {kRight})).ok());
    }
  }
  QByteArray damaged = read_file(file);
  damaged.replace(5000, 3000, QByteArray(3000, '\x5a'));
  const QString other = folder.filePath("other.sqlite");
  sql(other, "CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('keep me');");
  const std::pair<QByteArray, std::string> cases[] = {
      {damaged, "it is damaged: "},
      {"time,key\n1,C\n", "file is not a database"},
      {read_file(other), "it is not a Velmora practice history"},
  };
  for (const auto& [bytes, reason] : cases) {
    SCOPED_TRACE(reason);
    QDir(folder.path()).removeRecursively();
    QDir().mkpath(folder.path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();
    SqlHistory history(folder.path());
    EXPECT_TRUE(history.on());
    const QStringList kept = QDir(folder.path()).entryList({"history-set-aside-*.sqlite"});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(read_file(folder.filePath(kept[0])), bytes);
    EXPECT_TRUE(kept[0].startsWith("history-set-aside-" + QDate::currentDate().toString(Qt::ISODate)));
    const std::string& notice = history.notice();
    EXPECT_TRUE(notice.starts_with("Your practice history " + file.toStdString() +
                                   " could not be read (" + reason)) << notice;
    EXPECT_TRUE(notice.ends_with("), so Velmora has started a new one. The old file is kept as " +
                                 folder.filePath(kept[0]).toStdString() + "."))
        << notice;
    EXPECT_TRUE(history.record(check(kMonday, "C", {kRight})).ok());
  }
}

// A first-version history is brought up to date; a newer program's is left as it is.
TEST_F(SqlHistoryTest, AnOlderHistoryIsBroughtUpToDateANewerOneIsLeftAlone) {
  sql(file,
      "CREATE TABLE checks (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, level TEXT NOT NULL,"
      " key TEXT NOT NULL);"
      "CREATE TABLE answers (id INTEGER PRIMARY KEY, check_id INTEGER NOT NULL"
      " REFERENCES checks(id) ON DELETE CASCADE, circle INTEGER NOT NULL,"
      " chord_type TEXT NOT NULL, tone TEXT NOT NULL, given TEXT NOT NULL,"
      " answer TEXT NOT NULL, outcome INTEGER NOT NULL CHECK (outcome BETWEEN 0 AND 3));"
      "INSERT INTO checks VALUES (1, 1796032800, 'Beginner', 'Eb');"
      "INSERT INTO answers VALUES (1, 1, 15, 'Maj9', 'root', 'Ab', 'Ab', 0);"
      "PRAGMA user_version = 1; PRAGMA application_id = 1449946482;");
  {
    SqlHistory history(folder.path());
    ASSERT_TRUE(history.on()) << history.notice();
    const Tally right{1, 0, 0, 0};
    EXPECT_EQ(history.summary(), (ProgressSummary{1, right, {{"Maj9", right}}, {{"Eb", right}},
                                                  {{"root", right}}, {{"2026-11-30", right}}}));
    ASSERT_TRUE(history.record(check(kMonday, "C", {kRight})).ok());
  }
  EXPECT_EQ(sql(file, "PRAGMA user_version; SELECT count(*) FROM answers;"), "3\n2");

  sql(file, "PRAGMA user_version = 4;");
  SqlHistory newer(folder.path());
  EXPECT_FALSE(newer.on());
  EXPECT_EQ(newer.notice(), "Your practice history " + file.toStdString() +
                                " was written by a newer version of Velmora. This run leaves it "
                                "as it is and does not record your answers.");
  EXPECT_FALSE(newer.record(check(kMonday, "C", {kRight})).ok());
  EXPECT_EQ(sql(file, "PRAGMA user_version; SELECT count(*) FROM answers;"), "4\n2");
}

void run_writer(const QString& folder, int checks, QProcess& process, bool ordinary_user = false) {
  QStringList command{VELMORA_HISTORY_WRITER, folder, QString::number(checks)};
  // Root writes anywhere; a read-only folder only stops an ordinary user.
  if (ordinary_user && geteuid() == 0) {
    command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
  }
  process.start(command.takeFirst(), command);
}

// Play goes on without a history: the writer is told why, and nothing is written.
TEST_F(SqlHistoryTest, AReadOnlyFolderTurnsTheHistoryOff) {
  const QString data = folder.filePath("data");
  QDir().mkpath(data);
  chmod(QFile::encodeName(folder.path()).constData(), 0755);
  chmod(QFile::encodeName(data).constData(), 0555);
  QProcess writer;
  run_writer(data, 1, writer, true);
  ASSERT_TRUE(writer.waitForFinished(30000));
  EXPECT_EQ(writer.readAllStandardOutput().toStdString(),
            "off\nVelmora cannot keep your practice history in " + data.toStdString() +
                " (unable to open database file). You can play as usual, but this run's answers "
                "are not recorded.\n");
  EXPECT_EQ(writer.exitCode(), 1) << "its record fails too";
  EXPECT_TRUE(QDir(data).isEmpty());
}

// Two copies recording at once lose nothing: each waits for the other's transaction.
TEST_F(SqlHistoryTest, TwoRunningCopiesShareTheHistory) {
  constexpr int kChecks = 300;
  QProcess writers[2];
  for (QProcess& writer : writers) run_writer(folder.path(), kChecks, writer);
  for (QProcess& writer : writers) {
    ASSERT_TRUE(writer.waitForFinished(60000));
    EXPECT_EQ(writer.exitCode(), 0) << writer.readAll().toStdString();
  }
  const ProgressSummary summary = SqlHistory(folder.path()).summary();
  EXPECT_EQ(summary.checks, 2 * kChecks);
  EXPECT_EQ(summary.total.right, 2 * kChecks * 16);
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  // Weeks begin on Monday in the user's time zone; the tests' dates are in UTC.
  setenv("TZ", "UTC", 1);
  tzset();
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
