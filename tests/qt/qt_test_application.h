// The one QApplication of a Qt test program, started the way the program starts it.
#pragma once

#include "qt/qt_platform.h"

namespace qttest {

// Starts Qt through the program's own platform on first use (the offscreen platform, which the
// test registration chooses); the platform stays for the whole test program.
qtfront::QtPlatform& testApplication();

}  // namespace qttest
