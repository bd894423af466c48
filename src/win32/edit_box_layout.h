// The single-line edit box's layout: at least one line of its font high, its line of text
// centred vertically between white bands that count as border.
#pragma once

#include <windows.h>

namespace win32 {

// Applies the height rule and installs the centring on an edit box whose font is set.
void layOutEditBox(HWND editBox);

}  // namespace win32
