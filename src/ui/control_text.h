// Reading and replacing the texts of named controls of the program's loaded windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Names one loaded window. The program has a single one.
enum class WindowId { mainWindow = 1 };

// The built controls of a loaded window, found by name. The window model implements it over
// the real controls; the command-line calculator and the tests use an in-memory store.
class NamedControls {
 public:
  virtual ~NamedControls() = default;
  virtual bool hasControl(std::string_view name) const = 0;
  // The control's whole current text; only called for names that hasControl accepts.
  virtual std::string controlText(std::string_view name) const = 0;
  // Replaces the control's whole text and lets the control react (an edit box raises
  // contentChanged once); only called for names that hasControl accepts.
  virtual void replaceControlText(std::string_view name, std::string_view text) = 0;
};

// The window is loaded: its definition is held. Its controls exist only while `controls` is
// attached, from the end of building until the window is destroyed.
void loadWindow(WindowId window);
void unloadWindow(WindowId window);
bool isWindowLoaded(WindowId window);
void attachControls(WindowId window, NamedControls* controls);
void detachControls(WindowId window);
// True while some loaded window has its controls, i.e. a live window.
bool anyWindowLive();

// A new copy of the control's text, or nothing when it is empty. A window that is not loaded,
// or a control that does not exist, is a fatal error.
std::optional<std::string> readControlText(WindowId window, std::string_view control);
// Replaces the control's whole text with a copy of `text`; nothing counts as the empty text.
void writeControlText(WindowId window, std::string_view control,
                      const std::optional<std::string>& text);

// A plain store of named texts, for the command-line calculator and the tests.
class InMemoryControls final : public NamedControls {
 public:
  explicit InMemoryControls(std::initializer_list<std::string_view> names);
  bool hasControl(std::string_view name) const override;
  std::string controlText(std::string_view name) const override;
  void replaceControlText(std::string_view name, std::string_view text) override;
  // How often each control's text was replaced, for the contentChanged count.
  int replacements(std::string_view name) const;

 private:
  struct Entry {
    std::string name;
    std::string text;
    int replacements = 0;
  };
  Entry* find(std::string_view name);
  const Entry* find(std::string_view name) const;
  std::vector<Entry> entries_;
};

}  // namespace ui
