#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "app/about.h"
#include "app/qt/about_box.h"
#include "app/qt/splash.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_launcher.h"
#include "fakes/scripted_registry.h"

namespace velmora::testing {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Runs the deletes that closing a window has scheduled.
void Process_Deletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString Label_Text(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(name);
  return label ? label->text() : QString("<no label %1>").arg(name);
}

class SplashTest : public ::testing::Test {
 protected:
  SplashTest()
      : splash(new Splash([this] {
          ++loads;
          splash_visible_during_load = splash->isVisible();
          main_window = std::make_unique<QWidget>();
          return main_window.get();
        })) {
    splash->show();
  }
  ~SplashTest() override { delete splash; }

  QTimer& timer() { return *splash->findChild<QTimer*>("Timer1"); }

  QPointer<Splash> splash;
  std::unique_ptr<QWidget> main_window;
  int loads = 0;
  bool splash_visible_during_load = false;
};

TEST_F(SplashTest, ShowsItsTextsAndWaitsTwoSeconds) {
  EXPECT_EQ(splash->objectName(), "Splash");
  EXPECT_EQ(splash->windowTitle(), "Velmora is now loading");
  EXPECT_EQ(Label_Text(*splash, "Label1"), "Velmora");
  EXPECT_EQ(splash->findChild<QLabel*>("Label1")->font().family(), "Arial");
  EXPECT_EQ(Label_Text(*splash, "Label3"), "Now Loading.....");
  EXPECT_EQ(Label_Text(*splash, "version"), "version: 1.1.30");
  EXPECT_FALSE(splash->findChild<QLabel*>("Picture1")->pixmap().isNull());
  EXPECT_NE(splash->findChild<QFrame*>("Shape1"), nullptr);
  EXPECT_NE(splash->findChild<QFrame*>("Shape2"), nullptr);

  EXPECT_TRUE(timer().isActive());
  EXPECT_TRUE(timer().isSingleShot());
  EXPECT_EQ(timer().interval(), 2000);
  EXPECT_EQ(loads, 0);
}

TEST_F(SplashTest, TimerShowsTheMainWindowAndClosesTheSplash) {
  QMetaObject::invokeMethod(&timer(), "timeout");
  EXPECT_EQ(loads, 1);
  EXPECT_TRUE(splash_visible_during_load);
  ASSERT_NE(main_window, nullptr);
  EXPECT_TRUE(main_window->isVisible());
  Process_Deletes();
  EXPECT_TRUE(splash.isNull());
}

class AboutBoxTest : public ::testing::Test {
 protected:
  AboutBoxTest() { owner.show(); }

  ScriptedRegistry registry;
  ScriptedLauncher launcher;
  FakeWindowSystem windows;
  QWidget owner;
  AboutBoxHolder holder{owner, SysInfoPlatform{registry, launcher, windows}};
};

TEST_F(AboutBoxTest, HelpTwiceShowsOneBoxWithTitleVersionAndHelpText) {
  AboutBox& first = holder.show();
  AboutBox& second = holder.show();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(owner.findChildren<AboutBox*>().size(), 1);

  EXPECT_TRUE(first.isVisible());
  EXPECT_FALSE(first.isModal());
  EXPECT_EQ(first.objectName(), "frmAbout");
  EXPECT_EQ(first.windowTitle(), "About Velmora");
  EXPECT_EQ(Label_Text(first, "lblTitle"), "Velmora");
  EXPECT_EQ(Label_Text(first, "lblVersion"), "Version 1.1.30");
  EXPECT_EQ(first.findChild<QPushButton*>("cmdOK")->text(), "OK");
  EXPECT_EQ(first.findChild<QPushButton*>("cmdSysInfo")->text(), "&System Info...");
  EXPECT_FALSE(first.findChild<QLabel*>("picIcon")->pixmap().isNull());
  EXPECT_NE(first.findChild<QFrame*>("Line1"), nullptr);
  EXPECT_NE(first.findChild<QFrame*>("Line2"), nullptr);

  const auto* help = first.findChild<QPlainTextEdit*>("Text1");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isReadOnly());
  QStringList lines = help->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 26) << "25 lines, each ended by a line break";
  EXPECT_EQ(lines.takeLast(), "");
  for (qsizetype i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], Text(kHelpLines[static_cast<std::size_t>(i)])) << "line " << i + 1;
  }
}

TEST_F(AboutBoxTest, OkClosesTheBoxAndHelpOpensItAfresh) {
  QPointer<AboutBox> first = &holder.show();
  first->findChild<QPushButton*>("cmdOK")->click();
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(holder.box(), nullptr);
  EXPECT_TRUE(owner.isVisible()) << "closing the About box leaves the main window open";
  Process_Deletes();
  EXPECT_TRUE(first.isNull());

  AboutBox& again = holder.show();
  EXPECT_TRUE(again.isVisible());
  EXPECT_EQ(again.windowTitle(), "About Velmora");
  EXPECT_EQ(owner.findChildren<AboutBox*>().size(), 1);
}

TEST_F(AboutBoxTest, SystemInfoWithNothingToStartShowsTheMessage) {
  holder.show().findChild<QPushButton*>("cmdSysInfo")->click();
  EXPECT_EQ(registry.opens.size(), 2U);
  ASSERT_EQ(windows.boxes.size(), 1U);
  EXPECT_EQ(windows.boxes[0].text, "System Information Is Unavailable At This Time");
}

}  // namespace
}  // namespace velmora::testing
