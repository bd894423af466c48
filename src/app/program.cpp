#include "app/program.h"

#include <cfenv>
#include <memory>

#include "app/fatal_error.h"
#include "app/handlers.h"
#include "ui/control_text.h"
#include "ui/window_model.h"

namespace app {
namespace {

// The application state: one per process, from start to end.
struct ProgramState {
  Platform* platform = nullptr;
  ui::Windowing* windowing = nullptr;
  std::unique_ptr<ui::MainWindow> mainWindow;
  std::function<void()> endOfProgramRoutine;
  std::string programFolder;
  bool oleInitialised = false;
  bool serviceWindowCreated = false;
  bool loopEntered = false;
  int endCounter = 0;
  int quitCode = 0;
};

ProgramState& state() {
  static ProgramState programState;
  return programState;
}

// The text before the last separator; no separator gives the empty text.
std::string folderOf(const std::string& path, char separator) {
  std::size_t last = path.rfind(separator);
  return last == std::string::npos ? std::string() : path.substr(0, last);
}

void windowEnded() {
  ProgramState& s = state();
  if (!ui::anyWindowLive() && s.loopEntered) s.windowing->postQuit(0);
}

}  // namespace

int endCounter() {
  return state().endCounter;
}
void raiseEndCounter() {
  ++state().endCounter;
}
bool loopEntered() {
  return state().loopEntered;
}

void registerEndOfProgramRoutine(std::function<void()> routine) {
  state().endOfProgramRoutine = std::move(routine);
}

void resetProgramStateForTesting() {
  ui::unloadWindow(ui::WindowId::mainWindow);
  state() = ProgramState{};
  installPlatform(nullptr);
}

const std::string& programFolder() {
  return state().programFolder;
}

int startProgram(Platform& platform, ui::Windowing& windowing,
                 const ui::WindowDefinition& definition,
                 std::function<void()> endOfProgramRoutine) {
  ProgramState& s = state();
  s.platform = &platform;
  s.windowing = &windowing;
  installPlatform(&platform);

  // Every memory block comes from the process heap (see memory.cpp).
  platform.initialiseOle();
  s.oleInitialised = true;

  s.programFolder = folderOf(platform.programFilePath(), platform.folderSeparator());
  platform.changeCurrentDirectory(s.programFolder);

  platform.createServiceWindow();
  s.serviceWindowCreated = true;

  // The program's constant texts are string literals: disposing of one is nothing to do.

  if (!ui::isValidDefinition(definition)) reportFatalError("载入窗口模板数据段出错!", 0);
  ui::loadWindow(ui::WindowId::mainWindow);

  ui::HandlerTable handlers = resolveBindings(definition);

  std::fesetenv(FE_DFL_ENV);

  // The program's initialisation routine is empty: the program variables start at 0.

  registerEndOfProgramRoutine(std::move(endOfProgramRoutine));

  ui::ModelHooks hooks{
      .handlersMayRun = [] { return state().endCounter == 0; },
      .windowEnded = windowEnded,
  };
  s.mainWindow = std::make_unique<ui::MainWindow>(definition, windowing, std::move(handlers),
                                                  std::move(hooks));
  if (!s.mainWindow->loadMainWindow()) reportFatalError("载入启动窗口失败", 0);

  return runEventLoop();
}

int runEventLoop() {
  ProgramState& s = state();
  s.loopEntered = true;
  if (!ui::anyWindowLive() || s.windowing == nullptr) return s.quitCode;
  s.quitCode = s.windowing->runMessageLoop();
  return s.quitCode;
}

void endProgram(int exitCode) {
  ProgramState& s = state();
  ++s.endCounter;

  if (s.mainWindow) s.mainWindow->destroy();
  ui::unloadWindow(ui::WindowId::mainWindow);

  if (auto routine = std::move(s.endOfProgramRoutine)) {
    s.endOfProgramRoutine = nullptr;
    routine();
  }

  Platform* platform = s.platform ? s.platform : installedPlatform();
  if (platform != nullptr) {
    if (s.serviceWindowCreated) platform->destroyServiceWindow();
    if (s.oleInitialised) platform->releaseOle();
    s.serviceWindowCreated = s.oleInitialised = false;
    platform->exitProcess(exitCode);
  }
  std::_Exit(exitCode);
}

}  // namespace app
