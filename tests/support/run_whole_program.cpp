#include "run_whole_program.h"

#include "app/platform.h"
#include "app/program.h"

namespace testing_support {

int runWholeProgram(RecordingPlatform& platform, FakeWindowing& windowing,
                    const ui::WindowDefinition& definition,
                    std::function<void()> endOfProgramRoutine) {
  app::resetProgramStateForTesting();
  try {
    app::endProgram(
        app::startProgram(platform, windowing, definition, std::move(endOfProgramRoutine)));
  } catch (const ProgramEnded& ended) {
    // The platform dies with the test; what the run left behind stays readable.
    app::installPlatform(nullptr);
    return ended.code;
  }
}

}  // namespace testing_support
