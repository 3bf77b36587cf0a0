#include "platform/sql/sql_history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <array>
#include <atomic>
#include <vector>

namespace velmora {
namespace {

// "Vlmr" in the file's header tells our histories from other SQLite files.
constexpr int kApplicationId = 0x566c6d72;
// How long an opening copy waits for another to finish judging the file, and when a lock file
// left by a copy that died no longer counts.
constexpr int kOpeningWaitMs = 30000;
constexpr int kStaleLockMs = 60000;
// How often closing the history tries again to write the Checks kept while the file was locked.
constexpr int kClosingAttempts = 3;
// How many of the latest weeks the trend shows.
constexpr int kWeeks = 8;
// SQLite's primary result codes for a damaged file and for one that is no database.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
// And for a file another connection holds.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;

// Entry v brings a history from schema version v to v + 1; a new file runs them all.
const std::array<std::vector<const char*>, SqlHistory::kSchemaVersion> kMigrations = {{
    {"CREATE TABLE checks (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, level TEXT NOT NULL,"
     " key TEXT NOT NULL)",
     "CREATE TABLE answers (id INTEGER PRIMARY KEY,"
     " check_id INTEGER NOT NULL REFERENCES checks(id) ON DELETE CASCADE,"
     " circle INTEGER NOT NULL, chord_type TEXT NOT NULL, tone TEXT NOT NULL,"
     " given TEXT NOT NULL, answer TEXT NOT NULL,"
     " outcome INTEGER NOT NULL CHECK (outcome BETWEEN 0 AND 3))"},
    // Summing every answer anew made the summary slow on a long history: running sums per
    // chord type, key, tone and week, kept with each record, make it a few small reads.
    {"CREATE TABLE tallies (dimension TEXT NOT NULL, name TEXT NOT NULL, outcome INTEGER NOT NULL,"
     " answers INTEGER NOT NULL, PRIMARY KEY (dimension, name, outcome)) WITHOUT ROWID",
     "INSERT INTO tallies SELECT 'chord_type', chord_type, outcome, count(*) FROM answers"
     " WHERE chord_type <> '' GROUP BY chord_type, outcome",
     "INSERT INTO tallies SELECT 'key', c.key, a.outcome, count(*) FROM answers a"
     " JOIN checks c ON c.id = a.check_id GROUP BY c.key, a.outcome",
     "INSERT INTO tallies SELECT 'tone', tone, outcome, count(*) FROM answers"
     " GROUP BY tone, outcome",
     "INSERT INTO tallies SELECT 'week', date(c.time, 'unixepoch', 'localtime', 'weekday 0',"
     " '-6 days'), a.outcome, count(*) FROM answers a JOIN checks c ON c.id = a.check_id"
     " GROUP BY 2, a.outcome"},
    // Re-checks of one puzzle counted its answers again, and a revealed note counted as right.
    // A Check whose answers name the same circles, chord types and notes as the Check before it
    // is a re-check of that puzzle: it is kept, marked, and left out of the sums. Notes revealed
    // before this version cannot be told from typed ones.
    {"ALTER TABLE checks ADD COLUMN retry INTEGER NOT NULL DEFAULT 0",
     "ALTER TABLE answers ADD COLUMN revealed INTEGER NOT NULL DEFAULT 0",
     "CREATE INDEX answers_by_check ON answers (check_id)",
     "CREATE TEMP TABLE puzzles AS SELECT id, (SELECT group_concat(circle || ' ' || chord_type"
     " || ' ' || answer, ',') FROM (SELECT circle, chord_type, answer FROM answers"
     " WHERE check_id = checks.id ORDER BY circle)) AS puzzle FROM checks",
     "UPDATE checks SET retry = 1 WHERE id IN (SELECT later.id FROM puzzles later JOIN puzzles"
     " earlier ON earlier.id = (SELECT max(id) FROM puzzles WHERE id < later.id)"
     " WHERE later.puzzle = earlier.puzzle)",
     "DROP TABLE temp.puzzles",
     "DELETE FROM tallies",
     "INSERT INTO tallies SELECT 'chord_type', a.chord_type, a.outcome, count(*) FROM answers a"
     " JOIN checks c ON c.id = a.check_id WHERE c.retry = 0 AND a.chord_type <> ''"
     " GROUP BY a.chord_type, a.outcome",
     "INSERT INTO tallies SELECT 'key', c.key, a.outcome, count(*) FROM answers a"
     " JOIN checks c ON c.id = a.check_id WHERE c.retry = 0 GROUP BY c.key, a.outcome",
     "INSERT INTO tallies SELECT 'tone', a.tone, a.outcome, count(*) FROM answers a"
     " JOIN checks c ON c.id = a.check_id WHERE c.retry = 0 GROUP BY a.tone, a.outcome",
     "INSERT INTO tallies SELECT 'week', date(c.time, 'unixepoch', 'localtime', 'weekday 0',"
     " '-6 days'), a.outcome, count(*) FROM answers a JOIN checks c ON c.id = a.check_id"
     " WHERE c.retry = 0 GROUP BY 2, a.outcome"},
}};

// The stored outcome is the `Outcome` value: right, misspelled, wrong, empty.
constexpr const char* kTallies =
    "coalesce(sum(outcome = 0), 0), coalesce(sum(outcome = 1), 0), "
    "coalesce(sum(outcome = 2), 0), coalesce(sum(outcome = 3), 0)";
constexpr const char* kSummedTallies =
    "coalesce(sum(answers * (outcome = 0)), 0), coalesce(sum(answers * (outcome = 1)), 0), "
    "coalesce(sum(answers * (outcome = 2)), 0), coalesce(sum(answers * (outcome = 3)), 0)";
constexpr std::array<const char*, 4> kOutcomeWords = {"right", "misspelled", "wrong", "empty"};
// What the CSV says of a note the learner had revealed, which counts as wrong.
constexpr const char* kRevealedWord = "revealed";

int primary_code(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

QString error_text(const QSqlError& error) {
  return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

Tally tally_at(const QSqlQuery& query, int first) {
  return {query.value(first).toInt(), query.value(first + 1).toInt(),
          query.value(first + 2).toInt(), query.value(first + 3).toInt()};
}

// Rows of a name followed by the four tallies.
std::vector<TallyRow> tally_rows(QSqlQuery& query, const QString& sql) {
  std::vector<TallyRow> rows;
  if (!query.exec(sql)) return rows;
  while (query.next()) {
    rows.push_back({query.value(0).toString().toStdString(), tally_at(query, 1)});
  }
  return rows;
}

QByteArray csv_field(const QString& text) {
  QByteArray field = text.toUtf8();
  if (field.contains(',') || field.contains('"') || field.contains('\n') || field.contains('\r')) {
    field.replace("\"", "\"\"");
    field = "\"" + field + "\"";
  }
  return field;
}

Failure off_failure() { return {kHistoryFailed, "no practice history is kept in this run"}; }

Failure not_written(const QString& name, const QSaveFile& file) {
  return {kHistoryFailed, ("Cannot write " + name + ": " + file.errorString()).toStdString()};
}

}  // namespace

SqlHistory::SqlHistory(const QString& folder, int busy_timeout_ms)
    : folder_(folder), file_(file_in(folder)), busy_timeout_ms_(busy_timeout_ms) {
  static std::atomic<int> connections = 0;
  connection_ = QString("velmora-history-%1").arg(connections++);
  open();
}

void SqlHistory::open() {
  const auto unavailable = [&](const QString& reason) {
    close_connection();
    notice_ = ("Velmora cannot keep your practice history in " + QDir::toNativeSeparators(folder_) +
               " (" + reason + "). You can play as usual, but this run's answers are not recorded.")
                  .toStdString();
  };
  if (!QDir().mkpath(folder_)) return unavailable("the folder cannot be created");
  QString reason;
  if (QFile::exists(file_) &&
      (!QFileInfo(folder_).isWritable() || !QFileInfo(file_).isWritable())) {
    if (!open_copy(reason)) return unavailable(reason);
    read_only_ = true;
    on_ = true;
    notice_ = ("Your practice history " + QDir::toNativeSeparators(file_) +
               " cannot be written, so Velmora shows it as it is and does not record this "
               "run's answers.")
                  .toStdString();
    return;
  }
  // One copy at a time judges the file and sets it aside, so that none moves a history another
  // copy has just started. Without the lock file (a folder that cannot be written) nothing can
  // be moved anyway.
  QLockFile opening(file_ + ".lock");
  opening.setStaleLockTime(kStaleLockMs);
  const bool locked = opening.tryLock(kOpeningWaitMs);
  if (!open_connection(file_)) return unavailable(error_text(database().lastError()));
  Verdict verdict = inspect(reason);
  if (verdict == Verdict::SetAside && !locked) {
    return unavailable(reason + ", and another copy of Velmora is opening it");
  }
  if (verdict == Verdict::SetAside) {
    const QString kept = set_aside();
    if (kept.isEmpty()) return unavailable(reason + ", and it cannot be moved aside");
    notice_ = ("Your practice history " + QDir::toNativeSeparators(file_) + " could not be read (" +
               reason + "), so Velmora has started a new one. The old file is kept as " +
               QDir::toNativeSeparators(kept) + ".")
                  .toStdString();
    if (!open_connection(file_)) return unavailable(error_text(database().lastError()));
    verdict = inspect(reason);
  }
  if (verdict == Verdict::TooNew) {
    close_connection();
    notice_ = ("Your practice history " + QDir::toNativeSeparators(file_) +
               " was written by a newer version of Velmora. This run leaves it as it is and "
               "does not record your answers.")
                  .toStdString();
    return;
  }
  if (verdict != Verdict::Usable || !configure(reason) || !migrate(reason)) {
    return unavailable(reason);
  }
  on_ = true;
}

bool SqlHistory::configure(QString& reason) {
  QSqlQuery query(database());
  if (!query.exec("PRAGMA journal_mode = WAL") || !query.next() ||
      query.value(0).toString() != "wal") {
    reason = query.lastError().isValid() ? error_text(query.lastError())
                                         : "the folder does not allow a write-ahead log";
    return false;
  }
  // In WAL mode a commit that skips the disk flush is still safe against crashes of the program.
  for (const char* pragma :
       {"PRAGMA synchronous = NORMAL", "PRAGMA foreign_keys = ON", "PRAGMA secure_delete = ON"}) {
    query.exec(pragma);
  }
  return true;
}

bool SqlHistory::open_copy(QString& reason) {
  copy_ = std::make_unique<QTemporaryDir>();
  const QString copy = copy_->filePath("history.sqlite");
  for (const char* suffix : {"", "-wal"}) {
    if (!QFile::exists(file_ + suffix)) continue;
    // The copy keeps the file's modes, which would not let it be brought up to date.
    if (!copy_->isValid() || !QFile::copy(file_ + suffix, copy + suffix) ||
        !QFile::setPermissions(copy + suffix, QFile::ReadOwner | QFile::WriteOwner)) {
      reason = "it cannot be written, and no copy of it can be made to read";
      return false;
    }
  }
  if (!open_connection(copy)) {
    reason = error_text(database().lastError());
    return false;
  }
  const Verdict verdict = inspect(reason);
  if (verdict == Verdict::TooNew) reason = "it was written by a newer version of Velmora";
  // The copy is brought up to date as the file itself would be; the file is left as it is.
  return verdict == Verdict::Usable && configure(reason) && migrate(reason);
}

SqlHistory::~SqlHistory() {
  for (int attempt = 0; attempt < kClosingAttempts && on_ && !waiting_.empty(); ++attempt) {
    if (!write_waiting().ok()) break;
  }
  close_connection();
}

QString SqlHistory::file_in(const QString& folder) { return folder + "/history.sqlite"; }

QSqlDatabase SqlHistory::database() const { return QSqlDatabase::database(connection_, false); }

bool SqlHistory::open_connection(const QString& path) {
  QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", connection_);
  database.setDatabaseName(path);
  database.setConnectOptions(QString("QSQLITE_BUSY_TIMEOUT=%1").arg(busy_timeout_ms_));
  return database.open();
}

void SqlHistory::close_connection() {
  if (!QSqlDatabase::contains(connection_)) return;
  database().close();
  QSqlDatabase::removeDatabase(connection_);
}

SqlHistory::Verdict SqlHistory::inspect(QString& reason) {
  QSqlQuery query(database());
  // One read transaction: another copy creating the history meanwhile is seen before or after.
  query.exec("BEGIN");
  const Verdict verdict = inspect_in(query, reason);
  query.finish();
  query.exec("COMMIT");
  return verdict;
}

SqlHistory::Verdict SqlHistory::inspect_in(QSqlQuery& query, QString& reason) {
  // The first read checks the header: a file that is no database fails here.
  if (!query.exec("PRAGMA application_id") || !query.next()) {
    const int code = query.lastError().nativeErrorCode().toInt() & 0xff;
    reason = error_text(query.lastError());
    return code == kSqliteCorrupt || code == kSqliteNotADatabase ? Verdict::SetAside
                                                                 : Verdict::Unavailable;
  }
  const int id = query.value(0).toInt();
  query.exec("PRAGMA user_version");
  const int version = query.next() ? query.value(0).toInt() : 0;
  query.exec("SELECT count(*) FROM sqlite_master");
  const int objects = query.next() ? query.value(0).toInt() : 0;
  if (id == 0 && objects == 0) return Verdict::Usable;
  if (id != kApplicationId) {
    reason = "it is not a Velmora practice history";
    return Verdict::SetAside;
  }
  if (version > kSchemaVersion) return Verdict::TooNew;
  if (!query.exec("PRAGMA quick_check") || !query.next() || query.value(0).toString() != "ok") {
    reason = "it is damaged: " +
             (query.isValid() ? query.value(0).toString() : error_text(query.lastError()));
    return Verdict::SetAside;
  }
  return Verdict::Usable;
}

bool SqlHistory::migrate(QString& reason) {
  QSqlQuery query(database());
  // A history already up to date needs no write, so another copy's long one does not stop it.
  if (query.exec("PRAGMA user_version") && query.next() &&
      query.value(0).toInt() == kSchemaVersion) {
    return true;
  }
  query.finish();
  if (!query.exec("BEGIN IMMEDIATE")) {
    reason = error_text(query.lastError());
    return false;
  }
  // Read inside the transaction: another copy may have brought the file up to date meanwhile.
  query.exec("PRAGMA user_version");
  const int version = query.next() ? query.value(0).toInt() : 0;
  query.finish();
  std::vector<QString> steps;
  for (int from = version; from < kSchemaVersion; ++from) {
    for (const char* statement : kMigrations[from]) steps.emplace_back(statement);
  }
  steps.push_back(QString("PRAGMA user_version = %1").arg(std::max(version, kSchemaVersion)));
  steps.push_back(QString("PRAGMA application_id = %1").arg(kApplicationId));
  steps.emplace_back("COMMIT");
  for (const QString& step : steps) {
    if (!query.exec(step)) {
      reason = error_text(query.lastError());
      query.exec("ROLLBACK");
      return false;
    }
  }
  if (version > kSchemaVersion) {
    reason = "it was written by a newer version of Velmora";
    return false;
  }
  return true;
}

QString SqlHistory::set_aside() {
  close_connection();
  const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss");
  QString kept;
  for (int attempt = 1; kept.isEmpty() || QFile::exists(kept); ++attempt) {
    kept = folder_ + "/history-set-aside-" + stamp +
           (attempt > 1 ? QString("-%1").arg(attempt) : QString()) + ".sqlite";
  }
  if (!QFile::rename(file_, kept)) return {};
  // The log and its index belong to the file they were written for.
  for (const char* suffix : {"-wal", "-shm"}) {
    if (QFile::exists(file_ + suffix)) QFile::rename(file_ + suffix, kept + suffix);
  }
  return kept;
}

Status SqlHistory::fail(const QString& what) {
  on_ = false;
  return Failure{kHistoryFailed, what.toStdString()};
}

Status SqlHistory::record(const CheckRecord& check) {
  if (!on_ || read_only_) return off_failure();
  waiting_.push_back(check);
  return write_waiting();
}

Status SqlHistory::write_waiting() {
  while (!waiting_.empty()) {
    bool busy = false;
    QString reason;
    if (write(waiting_.front(), busy, reason)) {
      waiting_.erase(waiting_.begin());
    } else if (busy) {
      // Another copy holds the file longer than we wait: the Check is kept, to be written
      // with the next one or when the history closes.
      return {};
    } else {
      return fail(reason);
    }
  }
  return {};
}

bool SqlHistory::write(const CheckRecord& check, bool& busy, QString& reason) {
  QSqlQuery query(database());
  const auto failed = [&](const QSqlError& error) {
    const int code = primary_code(error);
    busy = code == kSqliteBusy || code == kSqliteLocked;
    reason = error_text(error);
    query.finish();
    QSqlQuery(database()).exec("ROLLBACK");
    return false;
  };
  if (!query.exec("BEGIN IMMEDIATE")) return failed(query.lastError());
  query.prepare("INSERT INTO checks (time, level, key, retry) VALUES (?, ?, ?, ?)");
  query.addBindValue(QVariant::fromValue<qint64>(check.time));
  query.addBindValue(QString::fromStdString(check.level));
  query.addBindValue(QString::fromStdString(check.key));
  query.addBindValue(check.retry ? 1 : 0);
  if (!query.exec()) return failed(query.lastError());
  const QVariant check_id = query.lastInsertId();
  QSqlQuery week(database());
  week.prepare("SELECT date(?, 'unixepoch', 'localtime', 'weekday 0', '-6 days')");
  week.addBindValue(QVariant::fromValue<qint64>(check.time));
  if (!week.exec() || !week.next()) return failed(week.lastError());
  const QString week_name = week.value(0).toString();
  week.finish();
  QSqlQuery tally(database());
  tally.prepare(
      "INSERT INTO tallies VALUES (?, ?, ?, 1)"
      " ON CONFLICT DO UPDATE SET answers = answers + 1");
  query.prepare(
      "INSERT INTO answers (check_id, circle, chord_type, tone, given, answer, outcome, revealed)"
      " VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
  for (const RecordedAnswer& answer : check.answers) {
    const std::pair<const char*, QString> dimensions[] = {
        {"chord_type", QString::fromStdString(answer.chord_type)},
        {"key", QString::fromStdString(check.key)},
        {"tone", QString::fromStdString(answer.tone)},
        {"week", week_name}};
    for (const auto& [dimension, name] : dimensions) {
      // A retry's answers were counted at the puzzle's first Check.
      if (name.isEmpty() || check.retry) continue;
      tally.bindValue(0, QString(dimension));
      tally.bindValue(1, name);
      tally.bindValue(2, static_cast<int>(answer.outcome));
      if (!tally.exec()) return failed(tally.lastError());
    }
    query.bindValue(0, check_id);
    query.bindValue(1, answer.circle);
    query.bindValue(2, QString::fromStdString(answer.chord_type));
    query.bindValue(3, QString::fromStdString(answer.tone));
    query.bindValue(4, QString::fromStdString(answer.given));
    query.bindValue(5, QString::fromStdString(answer.answer));
    query.bindValue(6, static_cast<int>(answer.outcome));
    query.bindValue(7, answer.revealed ? 1 : 0);
    if (!query.exec()) return failed(query.lastError());
  }
  if (!query.exec("COMMIT")) return failed(query.lastError());
  return true;
}

RecentTallies SqlHistory::recent(int answers) {
  RecentTallies recent;
  if (!on_ || !write_waiting().ok()) return recent;
  QSqlQuery query(database());
  query.setForwardOnly(true);
  query.prepare(QString(
      "WITH recent AS MATERIALIZED (SELECT a.chord_type, c.key, a.outcome FROM answers a"
      " JOIN checks c ON c.id = a.check_id WHERE c.retry = 0 ORDER BY a.id DESC LIMIT ?)"
      " SELECT 0, chord_type, %1 FROM recent WHERE chord_type <> '' GROUP BY chord_type"
      " UNION ALL SELECT 1, key, %1 FROM recent GROUP BY key").arg(kTallies));
  query.addBindValue(answers);
  if (!query.exec()) return recent;
  while (query.next()) {
    (query.value(0).toInt() == 0 ? recent.by_chord_type : recent.by_key)
        .push_back({query.value(1).toString().toStdString(), tally_at(query, 2)});
  }
  return recent;
}

ProgressSummary SqlHistory::summary() {
  ProgressSummary summary;
  if (!on_ || !write_waiting().ok()) return summary;
  QSqlQuery query(database());
  query.setForwardOnly(true);
  // One read transaction, so that a copy recording meanwhile cannot make the parts disagree.
  query.exec("BEGIN");
  if (query.exec("SELECT coalesce(sum(retry = 0), 0), coalesce(sum(retry), 0) FROM checks") &&
      query.next()) {
    summary.checks = query.value(0).toInt();
    summary.retries = query.value(1).toInt();
  }
  // Every answer has a tone, so the tones' sums are the totals.
  if (query.exec(QString("SELECT %1 FROM tallies WHERE dimension = 'tone'").arg(kSummedTallies)) &&
      query.next()) {
    summary.total = tally_at(query, 0);
  }
  const auto rows = [&](const char* dimension, const QString& order) {
    return tally_rows(query, QString("SELECT name, %1 FROM tallies WHERE dimension = '%2'"
                                     " GROUP BY name ORDER BY %3")
                                 .arg(kSummedTallies, dimension, order));
  };
  summary.by_chord_type = rows("chord_type", "name");
  summary.by_key = rows("key", "name");
  summary.by_tone =
      rows("tone", "1.0 * sum(answers * (outcome <> 0)) / sum(answers) DESC, name");
  summary.by_week = rows("week", QString("name DESC LIMIT %1").arg(kWeeks));
  std::reverse(summary.by_week.begin(), summary.by_week.end());
  query.exec("COMMIT");
  return summary;
}

Status SqlHistory::export_csv(const std::string& path) {
  if (!on_) return off_failure();
  if (const Status written = write_waiting(); !written.ok()) return written;
  const QString name = QFile::decodeName(QByteArray::fromStdString(path));
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly)) {
    return not_written(name, file);
  }
  file.write("time,level,key,circle,chord type,tone,given,answer,outcome\r\n");
  QSqlQuery query(database());
  query.setForwardOnly(true);
  // The answers the figures count: a retry's are left out.
  if (!query.exec("SELECT c.time, c.level, c.key, a.circle, a.chord_type, a.tone, a.given,"
                  " a.answer, a.outcome, a.revealed FROM answers a"
                  " JOIN checks c ON c.id = a.check_id WHERE c.retry = 0 ORDER BY a.id")) {
    file.cancelWriting();
    return Failure{kHistoryFailed, error_text(query.lastError()).toStdString()};
  }
  while (query.next()) {
    QByteArray line = QDateTime::fromSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC)
                          .toString(Qt::ISODate)
                          .toUtf8();
    for (int column = 1; column < 8; ++column) {
      line += "," + csv_field(query.value(column).toString());
    }
    line += ",";
    line += query.value(9).toBool() ? kRevealedWord
                                    : kOutcomeWords.at(query.value(8).toUInt() % kOutcomeWords.size());
    file.write(line + "\r\n");
  }
  if (!file.commit()) {
    return not_written(name, file);
  }
  return {};
}

Status SqlHistory::forget() {
  if (!on_ || read_only_) return off_failure();
  waiting_.clear();
  QSqlQuery query(database());
  for (const char* step : {"BEGIN IMMEDIATE", "DELETE FROM answers", "DELETE FROM checks",
                           "DELETE FROM tallies", "COMMIT"}) {
    if (!query.exec(step)) {
      const QString why = error_text(query.lastError());
      query.exec("ROLLBACK");
      return Failure{kHistoryFailed, why.toStdString()};
    }
  }
  // The log still holds the old pages until they are written back; the secure delete has
  // already cleared them in the file.
  query.exec("PRAGMA wal_checkpoint(TRUNCATE)");
  return {};
}

}  // namespace velmora
