// The Windows program's entry. It reads no command line: arguments change nothing.
#include <windows.h>

#include "app/program.h"
#include "win32/platform.h"
#include "win32/windowing.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  win32::Win32Platform platform(instance);
  win32::Win32Windowing windowing(instance);
  app::endProgram(app::startProgram(platform, windowing));
}
