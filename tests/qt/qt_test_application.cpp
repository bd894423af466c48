#include "qt_test_application.h"

namespace qttest {

qtfront::QtPlatform& testApplication() {
  static qtfront::QtPlatform* platform = [] {
    auto* started = new qtfront::QtPlatform;
    started->startApplication();
    return started;
  }();
  return *platform;
}

}  // namespace qttest
