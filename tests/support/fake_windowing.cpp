#include "fake_windowing.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace testing_support {

FakeWindowing::FakeWindowing(CallLog* log) : log_(log ? log : &ownLog_) {}

// --- The user.

bool FakeWindowing::pressKey(ui::Key key, ui::Modifiers modifiers) {
  return sink().offerKeyPress(key, modifiers);
}

void FakeWindowing::clickButton(std::string_view name) {
  sink().buttonClicked(id(name));
}

void FakeWindowing::clickHeader(std::int32_t page) {
  focus_ = tabControl_;
  selectPage(page);
}

void FakeWindowing::selectPage(std::int32_t page) {
  if (page == selectedPage_) return;
  if (!sink().pageSelectionChanging() || !windowExists()) return;
  selectedPage_ = page;
  sink().pageSelectionChanged();
}

void FakeWindowing::typeInto(std::string_view name, std::string_view text) {
  ui::ControlId box = id(name);
  controls_.at(box).text += text;
  sink().contentChangedByUser(box);
}

bool FakeWindowing::pressOn(std::string_view name, std::uint16_t x, std::uint16_t y,
                            ui::Modifiers modifiers) {
  return sink().offerLeftButtonPress(id(name), x, y, modifiers);
}

void FakeWindowing::deactivate() {
  // The window hears of it while its focused control still has the focus.
  sink().activationLost();
  focus_.reset();
}

void FakeWindowing::activate() {
  focus_.reset();
  sink().activationGained();
}

void FakeWindowing::requestClose() {
  sink().closeRequested();
}

// --- What the window shows.

bool FakeWindowing::isOnScreen(std::string_view name) const {
  if (!windowShown_) return false;
  for (std::optional<ui::ControlId> at = id(name); at; at = control(*at).parent)
    if (!control(*at).shown) return false;
  return true;
}

std::set<std::string> FakeWindowing::controlsOnScreen() const {
  std::set<std::string> names;
  for (const auto& [at, entry] : controls_)
    if (isOnScreen(entry.name)) names.insert(entry.name);
  return names;
}

std::string FakeWindowing::focusName() const {
  return focus_ ? nameOf(*focus_) : std::string();
}

std::string FakeWindowing::text(std::string_view name) const {
  return control(id(name)).text;
}

ui::ControlId FakeWindowing::id(std::string_view name) const {
  for (const auto& [at, entry] : controls_)
    if (entry.name == name) return at;
  throw std::invalid_argument("no control named " + std::string(name));
}

// --- ui::Windowing

ui::ScreenSize FakeWindowing::primaryScreenSize() {
  log_->add("? primaryScreenSize");
  return screen;
}

bool FakeWindowing::createMainWindow(const ui::MainWindowProperties&, ui::Rect outer,
                                     ui::InputSink& sink) {
  log_->add("createMainWindow " + std::to_string(outer.left) + "," + std::to_string(outer.top) +
            " " + std::to_string(outer.width) + "x" + std::to_string(outer.height));
  if (failMainWindow) return false;
  windowCreated_ = true;
  windowRect_ = outer;
  sink_ = &sink;
  return true;
}

bool FakeWindowing::createControl(ui::ControlId id, const ui::ControlDefinition& definition,
                                  std::int32_t selectedPage) {
  log_->add("createControl " + std::string(definition.name));
  if (failControl == definition.name) return false;
  controls_[id] =
      Control{.name = std::string(definition.name), .text = std::string(definition.text)};
  if (definition.kind == ui::ControlKind::tabControl) {
    tabControl_ = id;
    selectedPage_ = selectedPage;
  }
  return true;
}

void FakeWindowing::reparentControl(ui::ControlId child, ui::ControlId parent) {
  log_->add("reparent " + nameOf(child) + " " + nameOf(parent));
  controls_.at(child).parent = parent;
}

void FakeWindowing::setControlShown(ui::ControlId id, bool shown) {
  log_->add((shown ? "show " : "hide ") + nameOf(id));
  controls_.at(id).shown = shown;
}

void FakeWindowing::showMainWindow() {
  log_->add("showMainWindow");
  windowShown_ = true;
  if (whileShowing) whileShowing(*this);
  if (activateOnShow && windowExists()) activate();
}

void FakeWindowing::destroyMainWindow() {
  log_->add("destroyMainWindow");
  windowDestroyed_ = true;
  windowShown_ = false;
  focus_.reset();
  ui::InputSink* gone = std::exchange(sink_, nullptr);
  if (gone) gone->windowDestroyed();
}

void FakeWindowing::setFocus(ui::ControlId id) {
  log_->add("setFocus " + nameOf(id));
  focus_ = id;
}

std::optional<ui::ControlId> FakeWindowing::focusedControl() {
  log_->add("? focusedControl");
  return focus_;
}

std::string FakeWindowing::controlText(ui::ControlId id) {
  log_->add("? controlText " + nameOf(id));
  return control(id).text;
}

void FakeWindowing::setControlText(ui::ControlId id, std::string_view text) {
  log_->add("setControlText " + nameOf(id) + " " + std::string(text));
  controls_.at(id).text = text;
}

std::int32_t FakeWindowing::selectedPage(ui::ControlId) {
  log_->add("? selectedPage");
  return selectedPage_;
}

void FakeWindowing::postQuit(int code) {
  log_->add("postQuit " + std::to_string(code));
  quitCode_ = code;
}

int FakeWindowing::runMessageLoop() {
  log_->add("runMessageLoop");
  for (auto& input : script) {
    if (quitCode_) break;
    input(*this);
  }
  if (quitCode_) return *quitCode_;
  ADD_FAILURE() << "the scripted inputs ended without a quit request";
  return -2;
}

const FakeWindowing::Control& FakeWindowing::control(ui::ControlId id) const {
  auto found = controls_.find(id);
  if (found == controls_.end()) throw std::invalid_argument("no control " + std::to_string(id));
  return found->second;
}

std::string FakeWindowing::nameOf(ui::ControlId id) const {
  return control(id).name;
}

ui::InputSink& FakeWindowing::sink() const {
  if (sink_ == nullptr) throw std::logic_error("input for a window that does not exist");
  return *sink_;
}

}  // namespace testing_support
