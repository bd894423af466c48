// appearance-calculator: the calculator window on Qt 6 Widgets.
#include "app/program.h"
#include "qt/qt_platform.h"
#include "qt/qt_windowing.h"

int main() {
  // The program takes no arguments: Qt is shown only the program's name.
  qtfront::QtPlatform platform;
  platform.startApplication();
  qtfront::QtWindowing windowing;
  app::endProgram(app::startProgram(platform, windowing));
}
