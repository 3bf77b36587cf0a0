#pragma once

#include <QString>
#include <string>

#include "ports/practice_history.h"

class QSqlDatabase;
class QSqlQuery;

namespace velmora {

// The practice history in an SQLite file in the user's data folder, through Qt's SQL module.
// Several running copies of the program share the file: it is kept in WAL mode, writers take
// the lock at the start of their transaction and wait for each other a while. A file that is
// damaged or no history of ours is set aside under a dated name and a new history starts; a
// folder that cannot be written turns the history off for the run. Either way the learner is
// told once, through `notice()`.
class SqlHistory final : public PracticeHistory {
 public:
  // The schema this build writes; older files are brought up to it when opened.
  static constexpr int kSchemaVersion = 2;

  // Opens the history in `folder`, creating the folder and the file when missing.
  explicit SqlHistory(const QString& folder);
  ~SqlHistory() override;
  SqlHistory(const SqlHistory&) = delete;
  SqlHistory& operator=(const SqlHistory&) = delete;

  static QString file_in(const QString& folder);

  // Whether answers are being recorded.
  bool on() const { return on_; }
  // What the learner should hear about opening the history, once; empty when all went well.
  const std::string& notice() const { return notice_; }

  Status record(const CheckRecord& check) override;
  RecentTallies recent(int answers) override;
  ProgressSummary summary() override;
  Status export_csv(const std::string& path) override;
  Status forget() override;

 private:
  enum class Verdict { Usable, SetAside, TooNew, Unavailable };

  void open();
  QSqlDatabase database() const;
  bool open_connection();
  void close_connection();
  // Whether the file can serve as our history (a new, empty one can); `reason` says why not.
  Verdict inspect(QString& reason);
  Verdict inspect_in(QSqlQuery& query, QString& reason);
  bool configure(QString& reason);
  bool migrate(QString& reason);
  QString set_aside();
  Status fail(const QString& what);

  QString folder_;
  QString file_;
  QString connection_;
  bool on_ = false;
  std::string notice_;
};

}  // namespace velmora
