#include "qt/qt_application.h"

#include <QFont>

namespace qtfront {
namespace {

// Qt keeps argc and argv for the whole run.
int applicationArgc = 1;
char applicationName[] = "appearance-calculator";
char* applicationArgv[] = {applicationName, nullptr};

// The default GUI font: 9 points, 12 pixels whatever the screen's resolution, with a font that
// has the Chinese characters next in line.
void useGuiFont() {
  QFont font = QApplication::font();
  font.setFamilies(
      {font.family(), QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
  font.setPixelSize(12);
  QApplication::setFont(font);
}

}  // namespace

std::unique_ptr<QApplication> startApplication() {
  auto application = std::make_unique<QApplication>(applicationArgc, applicationArgv);
  QApplication::setQuitOnLastWindowClosed(false);
  useGuiFont();
  return application;
}

}  // namespace qtfront
