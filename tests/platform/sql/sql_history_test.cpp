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
#include <QThread>
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

// A history as the first version wrote it, with no answers yet.
const QString kFirstSchema =
      "CREATE TABLE checks (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, level TEXT NOT NULL,"
      " key TEXT NOT NULL);"
      "CREATE TABLE answers (id INTEGER PRIMARY KEY, check_id INTEGER NOT NULL"
      " REFERENCES checks(id) ON DELETE CASCADE, circle INTEGER NOT NULL,"
      " chord_type TEXT NOT NULL, tone TEXT NOT NULL, given TEXT NOT NULL,"
      " answer TEXT NOT NULL, outcome INTEGER NOT NULL CHECK (outcome BETWEEN 0 AND 3));"
    "PRAGMA user_version = 1; PRAGMA application_id = 1449946482;";

class SqlHistoryTest : public ::testing::Test {
 protected:
  // The folder afresh, holding only a history file of these bytes.
  void replace_history(const QByteArray& bytes) {
    QDir(folder.path()).removeRecursively();
    QDir().mkpath(folder.path());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
  }

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
    replace_history(bytes);
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

// A first-version history is brought up to date. It counted every Check of a puzzle: a Check
// with the same answers to find as the one before it becomes a retry, and the sums are made
// again without it. A newer program's history is left as it is.
TEST_F(SqlHistoryTest, AnOlderHistoryIsBroughtUpToDateANewerOneIsLeftAlone) {
  QString statements = kFirstSchema;
  // Checks 1 and 2 of one puzzle (the second after an edit), 3 of another, 4 of the first again
  // after the other: a new puzzle that happens to be the same.
  const char* checks[][3] = {{"C", "F", "2"}, {"C", "F", "0"}, {"G", "C", "0"}, {"C", "F", "3"}};
  for (int id = 1; id <= 4; ++id) {
    const auto& [key, root, outcome] = checks[id - 1];
    statements += QString("INSERT INTO checks VALUES (%1, 1796032800, 'Expert', '%2');"
                          "INSERT INTO answers VALUES (%3, %1, 15, 'Dom9', 'root', 'x', '%4', %5);"
                          "INSERT INTO answers VALUES (%6, %1, 3, 'Dom9', 'ninth', 'x', 'G', 0);")
                      .arg(id).arg(key).arg(2 * id - 1).arg(root).arg(outcome).arg(2 * id);
  }
  sql(file, statements);
  {
    SqlHistory history(folder.path());
    ASSERT_TRUE(history.on()) << history.notice();
    const Tally all{4, 0, 1, 1};
    EXPECT_EQ(history.summary(),
              (ProgressSummary{3, all, {{"Dom9", all}}, {{"C", {2, 0, 1, 1}}, {"G", {2, 0, 0, 0}}},
                               {{"root", {1, 0, 1, 1}}, {"ninth", {3, 0, 0, 0}}},
                               {{"2026-11-30", all}}, 1}));
    ASSERT_TRUE(history.record(check(kMonday, "C", {kRight})).ok());
  }
  EXPECT_EQ(sql(file, "PRAGMA user_version; SELECT group_concat(retry) FROM checks;"
                      "SELECT count(*) FROM answers;"),
            "3\n0,1,0,0,0\n9");

  sql(file, "PRAGMA user_version = 4;");
  SqlHistory newer(folder.path());
  EXPECT_FALSE(newer.on());
  EXPECT_EQ(newer.notice(), "Your practice history " + file.toStdString() +
                                " was written by a newer version of Velmora. This run leaves it "
                                "as it is and does not record your answers.");
  EXPECT_FALSE(newer.record(check(kMonday, "C", {kRight})).ok());
  EXPECT_EQ(sql(file, "PRAGMA user_version; SELECT count(*) FROM answers;"), "4\n9");
}

// A retry is kept but counted nowhere; a revealed note counts as wrong and says so in the CSV,
// which quotes only what needs it.
TEST_F(SqlHistoryTest, RetriesAreNotCountedAndRevealedNotesAreWrong) {
  SqlHistory history(folder.path());
  RecordedAnswer revealed{15, "Dom9", "root", "", "F", Outcome::Wrong, true};
  RecordedAnswer quoted{16, "6/9", "ninth", "F,\"", "A", Outcome::Wrong};
  ASSERT_TRUE(history.record(check(kMonday, "C", {kRight, revealed, quoted})).ok());
  CheckRecord retry = check(kMonday + 60, "C", {kRight, kRight});
  retry.retry = true;
  ASSERT_TRUE(history.record(retry).ok());
  const ProgressSummary summary = history.summary();
  EXPECT_EQ(summary.checks, 1);
  EXPECT_EQ(summary.retries, 1);
  EXPECT_EQ(summary.total, (Tally{1, 0, 2, 0}));
  EXPECT_EQ(summary.by_chord_type,
            (std::vector<TallyRow>{{"6/9", {0, 0, 1, 0}}, {"Dom9", {1, 0, 1, 0}}}));
  EXPECT_EQ(history.recent(10).by_key, (std::vector<TallyRow>{{"C", {1, 0, 2, 0}}}));
  const QString csv = folder.filePath("answers.csv");
  ASSERT_TRUE(history.export_csv(csv.toStdString()).ok());
  EXPECT_EQ(read_file(csv).toStdString(),
            "time,level,key,circle,chord type,tone,given,answer,outcome\r\n"
            "2026-11-30T10:00:00Z,Expert,C,3,Dom9,ninth,G,G,right\r\n"
            "2026-11-30T10:00:00Z,Expert,C,15,Dom9,root,,F,revealed\r\n"
            "2026-11-30T10:00:00Z,Expert,C,16,6/9,ninth,\"F,\"\"\",A,wrong\r\n");
  EXPECT_EQ(sql(file, "SELECT count(*) FROM answers"), "5") << "the retry's answers are kept";
}

// A write lock held longer than the wait delays the Check: it is kept, and written with the
// next one or when the history closes. The history stays on.
TEST_F(SqlHistoryTest, ALockHeldTooLongDelaysACheckAndLosesNothing) {
  { SqlHistory(folder.path()).summary(); }
  QProcess holder;
  holder.start("sqlite3", {file});
  ASSERT_TRUE(holder.waitForStarted());
  holder.write("BEGIN IMMEDIATE; INSERT INTO tallies VALUES ('lock', 'held', 0, 1);\n"
               "SELECT 'locked';\n");
  ASSERT_TRUE(holder.waitForReadyRead(10000));
  {
    SqlHistory history(folder.path(), 100);
    ASSERT_TRUE(history.on()) << history.notice();
    EXPECT_TRUE(history.record(check(kMonday, "C", {kRight})).ok());
    EXPECT_TRUE(history.record(check(kMonday, "G", {kRight})).ok());
    EXPECT_TRUE(history.on());
    EXPECT_EQ(history.waiting(), 2U);
    holder.write("ROLLBACK;\n");
    holder.waitForBytesWritten();
    QThread::msleep(200);
    ASSERT_TRUE(history.record(check(kMonday, "D", {kRight})).ok());
    EXPECT_EQ(history.waiting(), 0U);
    holder.write("BEGIN IMMEDIATE; SELECT 'locked again';\n");
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    EXPECT_TRUE(history.record(check(kMonday, "E", {kRight})).ok());
    EXPECT_EQ(history.waiting(), 1U);
    holder.write("ROLLBACK;\n.quit\n");
    ASSERT_TRUE(holder.waitForFinished(10000));
  }
  EXPECT_EQ(sql(file, "SELECT group_concat(key) FROM checks"), "C,G,D,E") << "in order";
}

void run_writer(const QString& folder, int checks, QProcess& process, bool ordinary_user = false) {
  QStringList command{VELMORA_HISTORY_WRITER, folder, QString::number(checks)};
  // Root writes anywhere; a read-only folder only stops an ordinary user.
  if (ordinary_user && geteuid() == 0) {
    command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
  }
  process.start(command.takeFirst(), command);
}

// A folder the user cannot write turns the history off: play goes on, the writer is told why,
// and nothing is written. A history the user cannot write (a backup, a read-only mount) is read
// from a copy: the summary is there, nothing is recorded, the file is left as it was, and the
// user is told once.
TEST_F(SqlHistoryTest, AReadOnlyFolderOrHistoryIsReadButNotWritten) {
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

  // Written by the first version: the copy is brought up to date, the file is not.
  chmod(QFile::encodeName(data).constData(), 0755);
  sql(SqlHistory::file_in(data),
      kFirstSchema +
          "INSERT INTO checks VALUES (1, 1796032800, 'Expert', 'C');"
          "INSERT INTO answers VALUES (1, 1, 3, 'Dom9', 'ninth', 'G', 'G', 0),"
          " (2, 1, 15, 'Dom9', 'root', 'F', 'F', 0);");
  const QByteArray before = read_file(SqlHistory::file_in(data));
  chmod(QFile::encodeName(SqlHistory::file_in(data)).constData(), 0444);
  chmod(QFile::encodeName(data).constData(), 0555);
  QProcess reader;
  run_writer(data, 0, reader, true);
  ASSERT_TRUE(reader.waitForFinished(30000));
  EXPECT_EQ(reader.readAllStandardOutput().toStdString(),
            "on\nYour practice history " + SqlHistory::file_in(data).toStdString() +
                " cannot be written, so Velmora shows it as it is and does not record this run's "
                "answers.\n1 checks, 2 answers\n");
  run_writer(data, 1, writer, true);
  ASSERT_TRUE(writer.waitForFinished(30000));
  EXPECT_EQ(writer.exitCode(), 1) << "the record is refused";
  EXPECT_EQ(read_file(SqlHistory::file_in(data)), before);
  EXPECT_EQ(QDir(data).entryList(QDir::Files).join(" ").toStdString(), "history.sqlite");
  chmod(QFile::encodeName(data).constData(), 0755);
}

// Copies started together on a damaged history: one sets it aside, the others wait for it and
// then share the new one, each waiting for the others' transactions, so every Check they
// acknowledged is in it and in the sums.
TEST_F(SqlHistoryTest, CopiesStartingOnADamagedHistoryLoseNoAcknowledgedCheck) {
  constexpr int kRounds = 5;
  constexpr int kChecks = 20;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    replace_history(QByteArray(8192, 'Z'));
    QProcess writers[3];
    for (QProcess& writer : writers) run_writer(folder.path(), kChecks, writer);
    int acknowledged = 0;
    for (QProcess& writer : writers) {
      ASSERT_TRUE(writer.waitForFinished(60000));
      if (writer.exitCode() == 0) acknowledged += kChecks;
    }
    EXPECT_EQ(acknowledged, 3 * kChecks);
    const ProgressSummary summary = SqlHistory(folder.path()).summary();
    EXPECT_EQ(summary.checks, acknowledged);
    EXPECT_EQ(summary.total.right, acknowledged * 16);
    EXPECT_EQ(QDir(folder.path()).entryList({"history-set-aside-*.sqlite"}).size(), 1);
  }
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
