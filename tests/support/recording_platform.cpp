#include "recording_platform.h"

namespace testing_support {

RecordingPlatform::RecordingPlatform(CallLog* log) : log_(log ? log : &ownLog_) {}

void RecordingPlatform::initialiseOle() {
  log_->add("initialiseOle");
}
void RecordingPlatform::releaseOle() {
  log_->add("releaseOle");
}
void RecordingPlatform::createServiceWindow() {
  log_->add("createServiceWindow");
}
void RecordingPlatform::destroyServiceWindow() {
  log_->add("destroyServiceWindow");
}

std::string RecordingPlatform::programFilePath() {
  log_->add("? programFilePath");
  return programPath;
}

char RecordingPlatform::folderSeparator() const {
  return separator;
}

void RecordingPlatform::changeCurrentDirectory(const std::string& folder) {
  log_->add("changeCurrentDirectory " + folder);
  currentDirectory = folder;
}

void RecordingPlatform::showFatalError(const std::string& text) {
  log_->add("showFatalError");
  fatalErrorText = text;
  if (whileErrorShown) whileErrorShown();
}

void RecordingPlatform::exitProcess(int code) {
  log_->add("exitProcess " + std::to_string(code));
  throw ProgramEnded{code};
}

}  // namespace testing_support
