// The one place where the platform's input messages become the core's input events, offered
// before the message is translated and dispatched.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/windowing.h"

namespace win32 {

class Win32Windowing;

// Ctrl, Shift and Alt as they are held right now.
ui::Modifiers heldModifiers();

// Offers a message taken from the queue to the core. True when the core consumed it: the
// message must then be dropped.
bool offerInputToCore(const MSG& message, const Win32Windowing& windowing, ui::InputSink& sink);

}  // namespace win32
