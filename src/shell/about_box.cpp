#include "shell/about_box.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/about.h"
#include "shell/artwork.h"
#include "shell/display_texts.h"
#include "shell/layout.h"
#include "platform/qt/text.h"
#include "ports/window_system.h"

namespace velmora {

namespace {

QFrame* separator(QWidget* parent, const char* name) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

AboutBox::AboutBox(QWidget& owner, const SysInfoPlatform& platform)
    : QDialog(&owner), platform_(platform) {
  setObjectName("frmAbout");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* icon = new QLabel(this);
  icon->setObjectName("picIcon");
  icon->setPixmap(velmora_picture(32));
  icon->setAlignment(Qt::AlignTop);

  lblTitle_ = new QLabel("Application Title", this);
  lblTitle_->setObjectName("lblTitle");
  QFont title_font = lblTitle_->font();
  title_font.setPointSizeF(title_font.pointSizeF() * 1.5);
  title_font.setBold(true);
  lblTitle_->setFont(title_font);
  lblVersion_ = new QLabel("Version", this);
  lblVersion_->setObjectName("lblVersion");

  Text1_ = new QPlainTextEdit(this);
  Text1_->setObjectName("Text1");
  Text1_->setReadOnly(true);
  const QFontMetrics metrics(Text1_->font());
  const QSize whole_text(metrics.horizontalAdvance(QString(80, QLatin1Char('x'))),
                         metrics.lineSpacing() * 28);
  Text1_->setMinimumSize(whole_text);

  auto* ok = new QPushButton(QCoreApplication::translate("velmora::AboutBox", "OK"), this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::close);
  auto* sys_info =
      new QPushButton(shown_message(std::string(kSysInfoButtonCaption), NoteNaming::Letters), this);
  sys_info->setObjectName("cmdSysInfo");
  connect(sys_info, &QPushButton::clicked, this, &AboutBox::cmdSysInfo_Click);

  auto* heading = new QVBoxLayout;
  heading->addWidget(lblTitle_);
  heading->addWidget(lblVersion_);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addLayout(heading, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(sys_info);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(separator(this, "Line1"));
  layout->addWidget(Text1_, 1);
  layout->addWidget(separator(this, "Line2"));
  layout->addLayout(buttons);

  // The box opens large enough for the whole help text, yet may shrink to fit a small or highly
  // scaled screen, where the text scrolls.
  resize(sizeHint());
  Text1_->setMinimumSize(whole_text / 4);

  Form_Load();
}

void AboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Restoring a minimised window leaves it where the player put it.
  if (!event->spontaneous()) place_on_screen(*this);
}

void AboutBox::Form_Load() {
  setWindowTitle(shown_message(about_caption(), NoteNaming::Letters));
  lblVersion_->setText(shown_message(about_version_caption(), NoteNaming::Letters));
  lblTitle_->setText(to_qstring(kAppTitle));
  Text1_->setPlainText(shown_message(help_text(), NoteNaming::Letters));
}

void AboutBox::cmdSysInfo_Click() { StartSysInfo(platform_); }

AboutBoxHolder::AboutBoxHolder(QWidget& owner, const SysInfoPlatform& platform)
    : owner_(owner), platform_(platform) {}

AboutBox& AboutBoxHolder::show() {
  // A box that has been closed is only waiting to be deleted.
  if (!box_ || !box_->isVisible()) box_ = new AboutBox(owner_, platform_);
  box_->show();
  box_->raise();
  box_->activateWindow();
  return *box_;
}

AboutBox* AboutBoxHolder::box() const { return box_ && box_->isVisible() ? box_.data() : nullptr; }

void AboutBoxHolder::close() {
  if (box_) box_->close();
}

}  // namespace velmora
