// Where the keyboard focus goes: pure functions of the window definition and of which controls
// are shown on screen (one flag per control, in definition order). The window model applies the
// answers; nothing here touches a window.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ui/window_definition.h"

namespace ui {

// Shown on screen: the control's own flag and those of all its parents are set.
using ShownOnScreen = std::vector<bool>;

// A control that can hold the focus: shown on screen, enabled, a tab stop, an edit box or a
// button.
bool takesFocus(const WindowDefinition& definition, const ShownOnScreen& shown, ControlId id);

// The focus on activation when nothing was remembered: the control that takes the focus with
// the lowest focusOrder, the latest in definition order on a tie. Nothing when none qualifies.
std::optional<ControlId> firstFocus(const WindowDefinition& definition, const ShownOnScreen& shown);

// The member of `page` that a user's page change gives the focus to: the enabled edit box or
// button with the lowest focusOrder, the first in the page's stored order on a tie. Nothing
// for a page without one (or a page that does not exist).
std::optional<ControlId> pageFocusTarget(const WindowDefinition& definition, std::int32_t page);

// The Tab ring: every control that takes the focus, by ascending focusOrder, ties in reverse
// definition order.
std::vector<ControlId> tabRing(const WindowDefinition& definition, const ShownOnScreen& shown);

enum class TabDirection { forward, backward };

// Where Tab (forward) or Shift+Tab (backward) moves the focus from `focused` (nothing: the
// window itself holds it). A focused ring entry moves to its neighbour, wrapping around. From
// outside the ring, Tab goes to the first entry whose definition position is not later than
// the focused control's (the first entry when there is none), Shift+Tab to the entry before
// that one (the last entry when that one is the first or when there is none). Nothing for an
// empty ring.
std::optional<ControlId> nextInRing(const std::vector<ControlId>& ring,
                                    std::optional<ControlId> focused, TabDirection direction);

}  // namespace ui
