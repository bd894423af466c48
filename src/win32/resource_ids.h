// Resource identifiers shared by the resource script and the code.
#pragma once

// The program's one icon: the .exe's own icon and the window's large and small icon.
#define APPEARANCE_ICON 1
