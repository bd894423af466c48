// The program's handler routines by name, and the resolution of the definition's bindings.
#pragma once

#include <string_view>

#include "ui/window_definition.h"
#include "ui/window_model.h"

namespace app {

// The routine a binding names, or an empty handler for a name the program does not know.
ui::Handler handlerNamed(std::string_view name);

// Every binding of the window and its controls, resolved to its routine.
ui::HandlerTable resolveBindings(const ui::WindowDefinition& definition);

}  // namespace app
