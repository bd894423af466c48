// Starting Qt the way the program needs it.
#pragma once

#include <QApplication>
#include <memory>

namespace qtfront {

// The QApplication, shown only the program's name (the program takes no arguments), with the
// default GUI font and no quitting of its own when the window goes: the core ends the loop.
std::unique_ptr<QApplication> startApplication();

}  // namespace qtfront
