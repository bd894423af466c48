// Start-up, the event loop and the end, run whole against the test doubles.
#include "app/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fatal_error.h"
#include "app/handlers.h"
#include "call_log.h"
#include "run_whole_program.h"
#include "ui/control_text.h"

namespace app {
namespace {

using testing_support::CallLog;
using testing_support::FakeWindowing;
using testing_support::RecordingPlatform;
using testing_support::runWholeProgram;
using Sequence = std::vector<std::string>;

// The doubles share one log; the end routine notes itself there too.
struct ProgramRun {
  CallLog log;
  RecordingPlatform platform{&log};
  FakeWindowing windowing{&log};
  int endRoutineRuns = 0;

  int operator()(const ui::WindowDefinition& definition = ui::mainWindowDefinition()) {
    return runWholeProgram(platform, windowing, definition, [this] {
      ++endRoutineRuns;
      log.add("endOfProgramRoutine");
    });
  }
  // The log reduced to the steps of start-up and the end.
  Sequence milestones() const {
    const std::vector<std::string> kept = {
        "initialiseOle",  "changeCurrentDirectory", "createServiceWindow",  "createMainWindow",
        "showMainWindow", "runMessageLoop",         "showFatalError",       "destroyMainWindow",
        "postQuit",       "endOfProgramRoutine",    "destroyServiceWindow", "releaseOle",
        "exitProcess"};
    Sequence found;
    for (const std::string& entry : log.all())
      for (const std::string& prefix : kept)
        if (entry.starts_with(prefix)) found.push_back(entry);
    return found;
  }
};

std::string boxText(std::string_view message) {
  return "运行时出错!\r\n\r\n错误信息：" + std::string(message) + "\r\n";
}

// A definition that breaks the rules: two controls named 标签8.
struct BrokenDefinition {
  std::vector<ui::ControlDefinition> controls{ui::mainWindowDefinition().controls.begin(),
                                              ui::mainWindowDefinition().controls.end()};
  ui::WindowDefinition definition{ui::mainWindowDefinition().window, {}};
  BrokenDefinition() {
    controls[1].name = controls[0].name;
    definition.controls = controls;
  }
};

TEST(StartUp, RunsItsStepsInOrderAndEndsWithZeroAfterClosing) {
  ProgramRun run;
  run.windowing.script = {[](FakeWindowing& fake) { fake.requestClose(); }};
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(run.milestones(), (Sequence{
                                  "initialiseOle",
                                  "changeCurrentDirectory C:\\Games\\Quellmar",
                                  "createServiceWindow",
                                  "createMainWindow 382,283 260x202",
                                  "showMainWindow",
                                  "runMessageLoop",
                                  "destroyMainWindow",
                                  "postQuit 0",
                                  "endOfProgramRoutine",
                                  "destroyServiceWindow",
                                  "releaseOle",
                                  "exitProcess 0",
                              }));
  EXPECT_EQ(run.endRoutineRuns, 1);
  EXPECT_TRUE(loopEntered());
  EXPECT_GT(endCounter(), 0);
}

TEST(StartUp, EscEndsTheProgramWithZero) {
  ProgramRun run;
  run.windowing.script = {[](FakeWindowing& fake) { fake.selectPage(1); },
                          [](FakeWindowing& fake) { EXPECT_TRUE(fake.pressKey(ui::Key::escape)); }};
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(run.endRoutineRuns, 1);
  EXPECT_EQ(run.log.startingWith("postQuit"), (Sequence{"postQuit 0"}));
}

TEST(StartUp, TheProgramsFolderBecomesTheCurrentDirectory) {
  struct Case {
    const char* path;
    char separator;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\Games\\Quellmar\\calc.exe", '\\', "C:\\Games\\Quellmar"},
      {"C:\\calc.exe", '\\', "C:"},
      {"calc.exe", '\\', ""},
      {"/opt/quellmar/appearance-calculator", '/', "/opt/quellmar"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    ProgramRun run;
    run.platform.programPath = c.path;
    run.platform.separator = c.separator;
    run.windowing.script = {[](FakeWindowing& fake) { fake.requestClose(); }};
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(programFolder(), c.folder);
    EXPECT_EQ(run.platform.currentDirectory, c.folder);
  }
}

TEST(StartUp, TheStartStateShowsPageZeroWithTheFocusOnTheEquipmentButton) {
  ProgramRun run;
  run.windowing.script = {[](FakeWindowing& fake) {
                            EXPECT_EQ(fake.focusName(), "按钮2");
                            EXPECT_TRUE(fake.isOnScreen("标签5"));
                            EXPECT_FALSE(fake.isOnScreen("按钮1"));
                          },
                          [](FakeWindowing& fake) { fake.requestClose(); }};
  EXPECT_EQ(run(), 0);
}

TEST(StartUp, ABrokenDefinitionEndsBeforeTheEndRoutineIsRegistered) {
  BrokenDefinition broken;
  ProgramRun run;
  EXPECT_EQ(run(broken.definition), -1);
  EXPECT_EQ(run.platform.fatalErrorText, boxText("载入窗口模板数据段出错!"));
  EXPECT_EQ(run.endRoutineRuns, 0);
  EXPECT_EQ(run.milestones(), (Sequence{
                                  "initialiseOle",
                                  "changeCurrentDirectory C:\\Games\\Quellmar",
                                  "createServiceWindow",
                                  "showFatalError",
                                  "destroyServiceWindow",
                                  "releaseOle",
                                  "exitProcess -1",
                              }));
}

TEST(StartUp, AWindowThatCannotBeBuiltEndsAfterTheEndRoutineOnce) {
  struct Case {
    const char* label;
    bool failWindow;
    std::optional<std::string> failControl;
    bool destroysAHalfBuiltWindow;
  };
  const Case cases[] = {
      {"the main window", true, std::nullopt, false},
      {"the tab control, the first control built", false, "选择夹1", true},
      {"标签8, the last control built", false, "标签8", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ProgramRun run;
    run.windowing.failMainWindow = c.failWindow;
    run.windowing.failControl = c.failControl;
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(run.platform.fatalErrorText, boxText("载入启动窗口失败"));
    EXPECT_EQ(run.endRoutineRuns, 1);
    EXPECT_FALSE(run.windowing.windowShown());
    EXPECT_EQ(run.log.startingWith("destroyMainWindow").size(), c.destroysAHalfBuiltWindow);
    EXPECT_TRUE(run.log.startingWith("runMessageLoop").empty());
  }
}

TEST(StartUp, AWindowClosedBeforeTheLoopEndsWithZeroWithoutAQuitRequest) {
  ProgramRun run;
  run.windowing.whileShowing = [](FakeWindowing& fake) { fake.requestClose(); };
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(run.log.startingWith("postQuit").empty());
  EXPECT_TRUE(run.log.startingWith("runMessageLoop").empty());
  EXPECT_EQ(run.endRoutineRuns, 1);
}

TEST(EventLoop, ReturnsAtOnceWithoutALiveWindow) {
  resetProgramStateForTesting();
  EXPECT_EQ(runEventLoop(), 0);
  EXPECT_TRUE(loopEntered());
  resetProgramStateForTesting();
}

TEST(TheEnd, AFatalErrorInTheLoopStopsHandlersAndEndsWithMinusOne) {
  ProgramRun run;
  run.platform.whileErrorShown = [&run] {
    // The window is still there behind the box, but clicking it runs nothing.
    EXPECT_TRUE(run.windowing.windowExists());
    run.windowing.clickButton("按钮2");
  };
  run.windowing.script = {
      [](FakeWindowing& fake) { fake.typeInto("编辑框3", "2400"); },
      [](FakeWindowing&) { reportAllocationFailure(64); },
  };
  EXPECT_EQ(run(), -1);
  EXPECT_EQ(run.platform.fatalErrorText, boxText("分配 64 字节内存失败!"));
  EXPECT_EQ(run.windowing.text("编辑框4"), "");
  EXPECT_EQ(run.endRoutineRuns, 1);
  // The end destroys the window (whose end posts the usual quit request, never taken), runs
  // the routine once the window is gone, and ends the process directly.
  Sequence milestones = run.milestones();
  Sequence tail(milestones.end() - 7, milestones.end());
  EXPECT_EQ(tail,
            (Sequence{"showFatalError", "destroyMainWindow", "postQuit 0", "endOfProgramRoutine",
                      "destroyServiceWindow", "releaseOle", "exitProcess -1"}));
}

TEST(TheEnd, TheEndRoutineRunsOnceAndIsForgotten) {
  resetProgramStateForTesting();
  RecordingPlatform platform;
  installPlatform(&platform);
  int runs = 0;
  registerEndOfProgramRoutine([&runs] { ++runs; });
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      endProgram(0);
    } catch (const testing_support::ProgramEnded& ended) {
      EXPECT_EQ(ended.code, 0);
    }
  }
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(endCounter(), 2);
  resetProgramStateForTesting();
}

TEST(Bindings, ResolveToTheProgramsRoutinesAndLeaveUnknownNamesEmpty) {
  EXPECT_TRUE(handlerNamed("calculateEquipment"));
  EXPECT_TRUE(handlerNamed("calculateMonster"));
  EXPECT_FALSE(handlerNamed("noSuchRoutine"));

  const ui::WindowDefinition& definition = ui::mainWindowDefinition();
  ui::HandlerTable table = resolveBindings(definition);
  for (const char* button : {"按钮1", "按钮2"}) {
    SCOPED_TRACE(button);
    EXPECT_TRUE(table.contains({ui::findControl(definition, button), ui::Event::clicked}));
  }
  EXPECT_FALSE(table.contains({ui::findControl(definition, "编辑框3"), ui::Event::contentChanged}));
}

}  // namespace
}  // namespace app
