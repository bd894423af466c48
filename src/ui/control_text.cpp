#include "ui/control_text.h"

#include <algorithm>
#include <map>

#include "app/fatal_error.h"

namespace ui {
namespace {

// The loaded windows and, while each is built, its controls. One per process.
std::map<WindowId, NamedControls*>& loadedWindows() {
  static std::map<WindowId, NamedControls*> windows;
  return windows;
}

NamedControls& controlOf(WindowId window, std::string_view control) {
  auto found = loadedWindows().find(window);
  if (found == loadedWindows().end()) app::reportFatalError("未载入欲访问窗口组件所在的窗口", 0);
  NamedControls* controls = found->second;
  if (controls == nullptr || !controls->hasControl(control))
    app::reportFatalError("指定窗口尚未载入", 0);
  return *controls;
}

}  // namespace

void loadWindow(WindowId window) { loadedWindows().try_emplace(window, nullptr); }
void unloadWindow(WindowId window) { loadedWindows().erase(window); }
bool isWindowLoaded(WindowId window) { return loadedWindows().contains(window); }

void attachControls(WindowId window, NamedControls* controls) {
  auto found = loadedWindows().find(window);
  if (found != loadedWindows().end()) found->second = controls;
}

void detachControls(WindowId window) { attachControls(window, nullptr); }

bool anyWindowLive() {
  return std::any_of(loadedWindows().begin(), loadedWindows().end(),
                     [](const auto& entry) { return entry.second != nullptr; });
}

std::optional<std::string> readControlText(WindowId window, std::string_view control) {
  std::string text = controlOf(window, control).controlText(control);
  if (text.empty()) return std::nullopt;
  return text;
}

void writeControlText(WindowId window, std::string_view control,
                      const std::optional<std::string>& text) {
  controlOf(window, control).replaceControlText(control, text ? std::string_view(*text) : "");
}

InMemoryControls::InMemoryControls(std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) entries_.push_back({std::string(name), {}, 0});
}

InMemoryControls::Entry* InMemoryControls::find(std::string_view name) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& entry) { return entry.name == name; });
  return found == entries_.end() ? nullptr : &*found;
}

const InMemoryControls::Entry* InMemoryControls::find(std::string_view name) const {
  return const_cast<InMemoryControls*>(this)->find(name);
}

bool InMemoryControls::hasControl(std::string_view name) const { return find(name) != nullptr; }

std::string InMemoryControls::controlText(std::string_view name) const { return find(name)->text; }

void InMemoryControls::replaceControlText(std::string_view name, std::string_view text) {
  Entry* entry = find(name);
  entry->text.assign(text);
  ++entry->replacements;
}

int InMemoryControls::replacements(std::string_view name) const {
  const Entry* entry = find(name);
  return entry ? entry->replacements : 0;
}

}  // namespace ui
