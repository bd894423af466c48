// The self-painted label: a window class of its own that fills its background with the
// button face colour and draws its text, and takes mouse presses over its whole rectangle.
#pragma once

#include <windows.h>

#include "ui/window_definition.h"

namespace win32 {

inline constexpr const wchar_t* labelClassName = L"QuellmarLabel";

// Registers the class once per process; false when it cannot be registered.
bool registerLabelClass(HINSTANCE instance);

// Creates a hidden label with the given window styles; its line layout is fixed for life.
HWND createLabel(HINSTANCE instance, HWND parent, DWORD style, const ui::Rect& rect,
                 const wchar_t* text, ui::LineLayout layout, int childId);

}  // namespace win32
