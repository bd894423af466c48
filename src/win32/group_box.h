// The group box fills its whole client area with the button face colour before the system
// draws its frame and title.
#pragma once

#include <windows.h>

namespace win32 {

void fillGroupBoxBackground(HWND groupBox);

}  // namespace win32
