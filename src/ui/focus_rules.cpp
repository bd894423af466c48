#include "ui/focus_rules.h"

#include <algorithm>

namespace ui {
namespace {

bool isEditBoxOrButton(const ControlDefinition& control) {
  return control.kind == ControlKind::editBox || control.kind == ControlKind::button;
}

}  // namespace

bool takesFocus(const WindowDefinition& definition, const ShownOnScreen& shown, ControlId id) {
  if (id >= definition.controls.size() || id >= shown.size() || !shown[id]) return false;
  const ControlDefinition& control = definition.controls[id];
  return control.enabled && control.tabStop && isEditBoxOrButton(control);
}

std::optional<ControlId> firstFocus(const WindowDefinition& definition,
                                    const ShownOnScreen& shown) {
  std::optional<ControlId> best;
  for (ControlId id = 0; id < definition.controls.size(); ++id) {
    if (!takesFocus(definition, shown, id)) continue;
    // `<=` lets the later control win a tie.
    if (!best || definition.controls[id].focusOrder <= definition.controls[*best].focusOrder)
      best = id;
  }
  return best;
}

std::optional<ControlId> pageFocusTarget(const WindowDefinition& definition, std::int32_t page) {
  const TabControlProperties* tab = definition.controls[tabControlOf(definition)].tabControl;
  if (page < 0 || static_cast<std::size_t>(page) >= tab->pages.size()) return std::nullopt;
  std::optional<ControlId> best;
  for (std::string_view name : tab->pages[static_cast<std::size_t>(page)].members) {
    std::optional<ControlId> id = findControl(definition, name);
    if (!id) continue;
    const ControlDefinition& control = definition.controls[*id];
    if (!control.enabled || !isEditBoxOrButton(control)) continue;
    // `<` lets the earlier member win a tie.
    if (!best || control.focusOrder < definition.controls[*best].focusOrder) best = id;
  }
  return best;
}

std::vector<ControlId> tabRing(const WindowDefinition& definition, const ShownOnScreen& shown) {
  std::vector<ControlId> ring;
  for (ControlId id = definition.controls.size(); id-- > 0;)
    if (takesFocus(definition, shown, id)) ring.push_back(id);
  // Collected in reverse definition order, which a stable sort keeps among equal ranks.
  std::stable_sort(ring.begin(), ring.end(), [&](ControlId a, ControlId b) {
    return definition.controls[a].focusOrder < definition.controls[b].focusOrder;
  });
  return ring;
}

std::optional<ControlId> nextInRing(const std::vector<ControlId>& ring,
                                    std::optional<ControlId> focused, TabDirection direction) {
  if (ring.empty()) return std::nullopt;
  const std::size_t last = ring.size() - 1;
  auto entry = focused ? std::find(ring.begin(), ring.end(), *focused) : ring.end();
  if (entry != ring.end()) {
    auto index = static_cast<std::size_t>(entry - ring.begin());
    if (direction == TabDirection::forward) return ring[index == last ? 0 : index + 1];
    return ring[index == 0 ? last : index - 1];
  }

  auto notLater =
      focused ? std::find_if(ring.begin(), ring.end(), [&](ControlId id) { return id <= *focused; })
              : ring.end();
  if (direction == TabDirection::forward) return notLater == ring.end() ? ring.front() : *notLater;
  if (notLater == ring.end() || notLater == ring.begin()) return ring.back();
  return *(notLater - 1);
}

}  // namespace ui
