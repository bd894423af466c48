#include "qt/qt_platform.h"

#include <unistd.h>

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/fatal_error.h"
#include "qt/gbk_text.h"
#include "qt/qt_application.h"

namespace qtfront {
namespace {

// Until the application is up, a fatal message from Qt means there is no window to be had.
bool startingUp = true;
// After a fatal message from Qt no box can be trusted to show: the text goes to stderr.
bool boxesCanShow = false;

// The program logs nothing, and a fatal condition inside Qt ends the program through its own
// single failure path rather than Qt's abort.
void handleQtMessage(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;
  boxesCanShow = false;
  app::reportFatalError(startingUp ? "载入启动窗口失败" : "", 0);
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::startApplication() {
  app::installPlatform(this);
  qInstallMessageHandler(handleQtMessage);
  startingUp = true;
  application_ = qtfront::startApplication();
  boxesCanShow = true;
  startingUp = false;
}

std::string QtPlatform::programFilePath() {
  std::vector<char> path(4096);
  for (;;) {
    ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < path.size()) return std::string(path.data(), length);
    path.resize(path.size() * 2);
  }
}

void QtPlatform::changeCurrentDirectory(const std::string& folder) {
  // A failure leaves the current directory as it was.
  if (chdir(folder.c_str()) != 0) return;
}

void QtPlatform::showFatalError(const std::string& text) {
  if (!boxesCanShow || application_ == nullptr) {
    std::fputs(fromGbkLines(text).toUtf8().constData(), stderr);
    std::fflush(stderr);
    return;
  }
  // No parent: the box belongs to no window.
  QMessageBox box(QMessageBox::Critical, fromGbk("错误"), fromGbkLines(text), QMessageBox::Ok);
  box.exec();
}

void QtPlatform::exitProcess(int code) {
  if (code != 0) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  application_.reset();
  std::exit(code);
}

}  // namespace qtfront
