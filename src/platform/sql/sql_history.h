#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "ports/practice_history.h"

class QSqlDatabase;
class QSqlQuery;

namespace velmora {

// The practice history in an SQLite file in the user's data folder, through Qt's SQL module.
// Several running copies of the program share the file: it is kept in WAL mode, writers take
// the lock at the start of their transaction and wait for each other a while; a Check that
// still finds the file locked is kept and written with the next one, or when the history
// closes. Opening holds a lock file from judging the file to setting it aside, so no copy moves
// a history that another copy has just started. A file that is damaged or no history of ours
// is set aside under a dated name and a new history starts; a history that cannot be written
// is read from a copy and records nothing; a folder with no history that cannot be written
// turns the history off for the run. Each is told once, through `notice()`.
class SqlHistory final : public PracticeHistory {
 public:
  // The schema this build writes; older files are brought up to it when opened.
  static constexpr int kSchemaVersion = 3;

  // Opens the history in `folder`, creating the folder and the file when missing. A writer waits
  // `busy_timeout_ms` for another copy's transaction before keeping its Check for later.
  explicit SqlHistory(const QString& folder, int busy_timeout_ms = 5000);
  ~SqlHistory() override;
  SqlHistory(const SqlHistory&) = delete;
  SqlHistory& operator=(const SqlHistory&) = delete;

  static QString file_in(const QString& folder);

  // Whether answers are being recorded.
  bool on() const { return on_; }
  // What the learner should hear about opening the history, once; empty when all went well.
  const std::string& notice() const { return notice_; }

  Status record(const CheckRecord& check) override;
  bool records() const override { return !read_only_; }
  // Checks kept because another copy held the file too long, not yet written.
  std::size_t waiting() const { return waiting_.size(); }
  RecentTallies recent(int answers) override;
  ProgressSummary summary() override;
  Status export_csv(const std::string& path) override;
  Status forget() override;

 private:
  enum class Verdict { Usable, SetAside, TooNew, Unavailable };

  void open();
  QSqlDatabase database() const;
  bool open_connection(const QString& path);
  void close_connection();
  // Whether the file can serve as our history (a new, empty one can); `reason` says why not.
  Verdict inspect(QString& reason);
  Verdict inspect_in(QSqlQuery& query, QString& reason);
  bool configure(QString& reason);
  bool migrate(QString& reason);
  QString set_aside();
  // Opens a copy of a history that cannot be written, to read it.
  bool open_copy(QString& reason);
  // Writes the waiting Checks in order; stops at the first that finds the file locked.
  Status write_waiting();
  // Writes one Check: false with `busy` set when another copy holds the file.
  bool write(const CheckRecord& check, bool& busy, QString& reason);
  Status fail(const QString& what);

  QString folder_;
  QString file_;
  QString connection_;
  int busy_timeout_ms_;
  bool on_ = false;
  bool read_only_ = false;
  std::string notice_;
  std::vector<CheckRecord> waiting_;
  std::unique_ptr<QTemporaryDir> copy_;
};

}  // namespace velmora
