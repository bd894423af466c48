#include "program_run.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "app/program.h"
#include "qt_test_application.h"
#include "recording_platform.h"

namespace qttest {

void runProgramWith(const std::function<void(qtfront::QtWindowing&, WindowDriver&)>& body,
                    const launcher_testing::StandInBrowser* browser) {
  testApplication();
  app::resetProgramStateForTesting();
  testing_support::RecordingPlatform platform;
  platform.programPath = "/opt/appearance/appearance-calculator";
  platform.separator = '/';
  qtfront::QtWindowing windowing;
  WindowDriver driver(windowing, browser);

  QTimer::singleShot(0, [&] {
    if (driver.waitUntilActive())
      body(windowing, driver);
    else
      ADD_FAILURE() << "the window never became active";
    // A body that leaves the window open ends the loop itself.
    if (windowing.mainWindow() != nullptr) QCoreApplication::exit(0);
  });
  int loopCode = app::startProgram(platform, windowing);
  EXPECT_EQ(platform.currentDirectory, std::optional<std::string>("/opt/appearance"));
  try {
    app::endProgram(loopCode);
  } catch (const testing_support::ProgramEnded& ended) {
    EXPECT_EQ(ended.code, 0);
  }
  EXPECT_EQ(windowing.mainWindow(), nullptr);
  app::resetProgramStateForTesting();
}

}  // namespace qttest
