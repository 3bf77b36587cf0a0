#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

#include "app/sys_info.h"

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace velmora {

// The modeless About box: title, version, the help text and "System Info...". It deletes
// itself when it closes, so the next "Help" builds it afresh.
class AboutBox final : public QDialog {
 public:
  AboutBox(QWidget& owner, const SysInfoPlatform& platform);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Load();
  void cmdSysInfo_Click();

  SysInfoPlatform platform_;
  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QPlainTextEdit* Text1_;
};

// The one About box of a main window. `show` is what "Help" does: it builds the box when none
// is open and brings the open one forward otherwise.
class AboutBoxHolder final {
 public:
  // `platform` must outlive the holder and every box it shows.
  AboutBoxHolder(QWidget& owner, const SysInfoPlatform& platform);

  AboutBox& show();
  // The open box, or null.
  AboutBox* box() const;
  // Closes the open box, as the end of the program does.
  void close();

 private:
  QWidget& owner_;
  SysInfoPlatform platform_;
  QPointer<AboutBox> box_;
};

}  // namespace velmora
