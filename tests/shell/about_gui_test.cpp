#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "shell/about_box.h"
#include "shell/splash.h"
#include "fakes/fake_window_system.h"
#include "fakes/scripted_launcher.h"
#include "fakes/scripted_registry.h"

namespace velmora::testing {
namespace {

TEST(SplashTest, ShowsItsTextsAndAfterItsTimerTheMainWindowInsteadOfItself) {
  std::unique_ptr<QWidget> main_window;
  bool splash_visible_during_load = false;
  QPointer<Splash> splash = new Splash([&] {
    splash_visible_during_load = splash->isVisible();
    main_window = std::make_unique<QWidget>();
    return main_window.get();
  });
  splash->show();
  const auto label = [&](const char* name) { return splash->findChild<QLabel*>(name); };
  EXPECT_EQ(splash->objectName(), "Splash");
  EXPECT_EQ(splash->windowTitle(), "Velmora is now loading");
  EXPECT_EQ(label("Label1")->text(), "Velmora");
  EXPECT_EQ(label("Label1")->font().family(), "Arial");
  EXPECT_EQ(label("Label3")->text(), "Now Loading.....");
  EXPECT_EQ(label("version")->text(), "version: 1.1.30");
  EXPECT_FALSE(label("Picture1")->pixmap().isNull());

  auto* timer = splash->findChild<QTimer*>("Timer1");
  EXPECT_TRUE(timer->isActive() && timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 2000);
  EXPECT_EQ(main_window, nullptr) << "nothing loads before the timer";
  QMetaObject::invokeMethod(timer, "timeout");
  ASSERT_NE(main_window, nullptr);
  EXPECT_TRUE(splash_visible_during_load);
  EXPECT_TRUE(main_window->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(splash.isNull());
  delete splash;
}

TEST(AboutBoxTest, SystemInfoWithNothingToStartShowsTheMessage) {
  ScriptedRegistry registry;
  ScriptedLauncher launcher;
  FakeWindowSystem windows;
  QWidget owner;
  AboutBoxHolder holder{owner, SysInfoPlatform{registry, launcher, windows}};
  auto* sys_info = holder.show().findChild<QPushButton*>("cmdSysInfo");
  EXPECT_EQ(sys_info->text(), "&System Info...");
  sys_info->click();
  EXPECT_EQ(windows.texts(),
            std::vector<std::string>{"System Information Is Unavailable At This Time"});
}

}  // namespace
}  // namespace velmora::testing
