// Opening the web site: the command line, and the presses on the About page that start it.
#include "launcher/open_web_site.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <thread>

#include "app/handlers.h"
#include "fake_windowing.h"
#include "launch_record.h"
#include "launcher/run_program.h"
#include "ui/control_text.h"
#include "ui/window_model.h"

namespace launcher {
namespace {

using namespace launcher_testing;
using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(SiteCommandLine, StartsTheBrowserOnTheSiteThatTheAboutPageShows) {
#ifdef _WIN32
  // The tests' Wine prefix has a program file at Internet Explorer's path: the stand-in.
  EXPECT_EQ(siteCommandLine(),
            "\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" http://www.example.com");
#else
  EXPECT_EQ(siteCommandLine(), "xdg-open http://www.example.com");
#endif
}

#ifdef _WIN32
TEST(WebBrowserCommand, FallsBackOnTheDefaultBrowserWhereThePreferredOneIsMissing) {
  const std::string missing = "C:\\no such folder\\browser.exe";
  const std::string command = webBrowserCommand(missing);
  ASSERT_GE(command.size(), 3u);
  EXPECT_EQ(command.front(), '"');
  EXPECT_EQ(command.back(), '"');
  const std::string browser = command.substr(1, command.size() - 2);
  EXPECT_NE(browser, missing);
  EXPECT_TRUE(fs::is_regular_file(browser)) << browser;
}
#endif

TEST(OpenWebSite, EveryCallStartsOneBrowserOnTheSite) {
  StandInBrowser browser;
  openWebSite(3, 4, 1);
  ASSERT_TRUE(browser.record.waitForEnds(1));
  EXPECT_EQ(browser.record.starts(), 1);
  EXPECT_EQ(browser.record.values("arg"), Strings{"http://www.example.com"});
#ifdef _WIN32
  EXPECT_EQ(browser.record.values("line"), Strings{siteCommandLine()});
  EXPECT_EQ(browser.record.values("show"), Strings{"1 1"});  // SW_SHOWNORMAL
#endif
  openWebSite(0, 0, 0);
  ASSERT_TRUE(browser.record.waitForEnds(2));
  EXPECT_EQ(browser.record.starts(), 2);
}

TEST(OpenWebSite, RunsForAPressOnTheAboutPagesLinesOnlyAndLetsThePressGoOn) {
  StandInBrowser browser;
  const ui::WindowDefinition& definition = ui::mainWindowDefinition();
  ui::loadWindow(ui::WindowId::mainWindow);
  testing_support::FakeWindowing fake;
  auto window = std::make_unique<ui::MainWindow>(definition, fake, app::resolveBindings(definition),
                                                 ui::ModelHooks{});
  ASSERT_TRUE(window->loadMainWindow());
  fake.selectPage(2);

  // Every other control first: a browser they started would be recorded by the end.
  for (const ui::ControlDefinition& control : definition.controls)
    if (control.kind != ui::ControlKind::tabControl && control.bindings.empty()) {
      SCOPED_TRACE(control.name);
      EXPECT_FALSE(fake.pressOn(control.name));
    }
  int expected = 0;
  for (const char* line : {"标签6", "标签7", "标签8"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(fake.pressOn(line, 170, 20)) << "the press goes on to the label";
    ASSERT_TRUE(browser.record.waitForEnds(++expected));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(browser.record.starts(), 3);

  window.reset();
  ui::unloadWindow(ui::WindowId::mainWindow);
}

}  // namespace
}  // namespace launcher
