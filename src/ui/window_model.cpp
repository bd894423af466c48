#include "ui/window_model.h"

#include <algorithm>

namespace ui {
namespace {

// Integer division truncates toward zero, also for a screen smaller than the window; the
// subtraction is done wide so that no screen size can overflow it.
std::int32_t centred(std::int32_t screen, std::int32_t window) {
  return static_cast<std::int32_t>((std::int64_t{screen} - window) / 2);
}

}  // namespace

MainWindow::MainWindow(const WindowDefinition& definition, Windowing& windowing,
                       HandlerTable handlers, ModelHooks hooks)
    : definition_(definition),
      windowing_(windowing),
      handlers_(std::move(handlers)),
      hooks_(std::move(hooks)),
      tabControl_(tabControlOf(definition)),
      parentOf_(definition.controls.size()),
      shown_(definition.controls.size(), false) {
  for (ControlId id = 0; id < definition.controls.size(); ++id)
    if (!definition.controls[id].parent.empty())
      parentOf_[id] = findControl(definition, definition.controls[id].parent);
}

MainWindow::~MainWindow() {
  if (attached_) detachControls(WindowId::mainWindow);
}

bool MainWindow::loadMainWindow() {
  if (live_ || !isValidDefinition(definition_)) return false;
  // Events raised by the platform while the window is built run no handler.
  building_ = true;
  struct BuildingEnds {
    bool& flag;
    ~BuildingEnds() { flag = false; }
  } buildingEnds{building_};

  const MainWindowProperties& window = definition_.window;
  Rect outer = window.rect;
  if (window.startPosition == StartPosition::centred) {
    ScreenSize screen = windowing_.primaryScreenSize();
    outer.left = centred(screen.width, outer.width);
    outer.top = centred(screen.height, outer.height);
  }
  if (!windowing_.createMainWindow(window, outer, *this)) return false;
  live_ = true;

  const TabControlProperties& tab = *definition_.controls[tabControl_].tabControl;
  const auto lastPage = static_cast<std::int32_t>(tab.pages.size()) - 1;
  const std::int32_t selectedPage = std::clamp(tab.currentPage, 0, std::max(lastPage, 0));
  for (ControlId id = definition_.controls.size(); id-- > 0;)
    if (!windowing_.createControl(id, definition_.controls[id], selectedPage)) return false;

  for (ControlId id = 0; id < definition_.controls.size(); ++id)
    if (parentOf_[id]) windowing_.reparentControl(id, *parentOf_[id]);

  for (ControlId id = 0; id < definition_.controls.size(); ++id) {
    std::optional<std::int32_t> page = pageOf(definition_, id);
    setShown(id, definition_.controls[id].visible && (!page || *page == 0));
  }

  windowShown_ = true;
  windowing_.showMainWindow();
  // Closed while it was being shown: it was built and shown, and the loop will find it gone.
  if (!live_) return true;
  showPage(false);

  attachControls(WindowId::mainWindow, this);
  attached_ = isWindowLoaded(WindowId::mainWindow);
  return true;
}

void MainWindow::showPage(bool userChange) {
  if (!live_) return;
  const TabControlProperties& tab = *definition_.controls[tabControl_].tabControl;
  const std::int32_t selected = windowing_.selectedPage(tabControl_);
  for (std::size_t page = 0; page < tab.pages.size(); ++page) {
    const auto order = static_cast<std::int32_t>(page);
    for (std::string_view name : tab.pages[page].members) {
      ControlId id = *findControl(definition_, name);
      if (order == selected) {
        if (definition_.controls[id].visible) setShown(id, true);
      } else if (shown_[id]) {
        setShown(id, false);
      }
    }
  }
  if (!userChange) return;
  // A page without an edit box or a button leaves the focus where it was.
  if (std::optional<ControlId> target = pageFocusTarget(definition_, selected))
    windowing_.setFocus(*target);
}

void MainWindow::close() {
  if (!live_) return;
  std::optional<bool> accepted = raise(std::nullopt, Event::closeQuery);
  if (accepted == false || !live_) return;
  windowing_.destroyMainWindow();
}

void MainWindow::destroy() {
  if (live_) windowing_.destroyMainWindow();
  // A platform that reports the destruction later is not waited for: the end is under way.
  if (live_) windowDestroyed();
}

bool MainWindow::isLive() const {
  return live_;
}

bool MainWindow::offerKeyPress(Key key, Modifiers modifiers) {
  if (!live_) return false;
  switch (key) {
    case Key::tab:
      if (modifiers != 0 && modifiers != shiftKey) return false;
      // Consumed even when the ring is empty: the key has nowhere else to go.
      moveFocusAlongRing(modifiers == shiftKey ? TabDirection::backward : TabDirection::forward);
      return true;
    case Key::escape:
      if (modifiers != 0 || !definition_.window.escCloses) return false;
      close();
      return true;
    case Key::enter:
      return handleEnter();
  }
  return false;
}

bool MainWindow::offerLeftButtonPress(ControlId control, std::uint16_t x, std::uint16_t y,
                                      Modifiers modifiers) {
  if (!live_) return true;
  if (control >= definition_.controls.size()) return false;
  std::optional<bool> result =
      raise(control, Event::leftButtonPressed, EventArgs{.x = x, .y = y, .keys = modifiers});
  return result == false || !live_;
}

void MainWindow::buttonClicked(ControlId button) {
  if (live_ && button < definition_.controls.size()) raise(button, Event::clicked);
}

bool MainWindow::pageSelectionChanging() {
  if (!live_) return true;
  return raise(tabControl_, Event::pageSelectionChanging) != false;
}

void MainWindow::pageSelectionChanged() {
  if (!live_) return;
  raise(tabControl_, Event::pageSelectionChanged);
  if (live_) showPage(true);
}

void MainWindow::contentChangedByUser(ControlId editBox) {
  if (live_ && editBox < definition_.controls.size()) raise(editBox, Event::contentChanged);
}

void MainWindow::activationGained() {
  if (!live_) return;
  std::optional<ControlId> target = std::exchange(remembered_, std::nullopt);
  if (!target || *target >= definition_.controls.size())
    target = firstFocus(definition_, shownOnScreen());
  if (target) windowing_.setFocus(*target);
}

void MainWindow::activationLost() {
  if (live_) remembered_ = windowing_.focusedControl();
}

void MainWindow::closeRequested() {
  close();
}

void MainWindow::windowDestroyed() {
  if (!live_) return;
  live_ = false;
  windowShown_ = false;
  remembered_.reset();
  std::fill(shown_.begin(), shown_.end(), false);
  if (attached_) detachControls(WindowId::mainWindow);
  attached_ = false;
  hooks_.windowEnded();
}

bool MainWindow::hasControl(std::string_view name) const {
  return builtControl(name).has_value();
}

std::string MainWindow::controlText(std::string_view name) const {
  std::optional<ControlId> id = builtControl(name);
  return id ? windowing_.controlText(*id) : std::string();
}

void MainWindow::replaceControlText(std::string_view name, std::string_view text) {
  std::optional<ControlId> id = builtControl(name);
  if (!id) return;
  windowing_.setControlText(*id, text);
  // Raised once per write, also when the text did not change.
  if (definition_.controls[*id].kind == ControlKind::editBox) raise(*id, Event::contentChanged);
}

std::optional<bool> MainWindow::raise(std::optional<ControlId> control, Event event,
                                      EventArgs args) {
  if (building_ || !hooks_.handlersMayRun()) return std::nullopt;
  auto bound = handlers_.find({control, event});
  if (bound == handlers_.end() || !bound->second) return std::nullopt;
  return bound->second(args);
}

std::vector<bool> MainWindow::shownOnScreen() const {
  std::vector<bool> onScreen(definition_.controls.size(), false);
  if (!windowShown_) return onScreen;
  for (ControlId id = 0; id < onScreen.size(); ++id) {
    bool shown = shown_[id];
    // Parents are checked by walking up; a valid definition has no cycles, the bound is a
    // guard against one that slipped through.
    std::optional<ControlId> parent = parentOf_[id];
    for (std::size_t depth = 0; shown && parent && depth < onScreen.size(); ++depth) {
      shown = shown_[*parent];
      parent = parentOf_[*parent];
    }
    onScreen[id] = shown;
  }
  return onScreen;
}

void MainWindow::setShown(ControlId id, bool shown) {
  shown_[id] = shown;
  windowing_.setControlShown(id, shown);
}

void MainWindow::moveFocusAlongRing(TabDirection direction) {
  std::vector<ControlId> ring = tabRing(definition_, shownOnScreen());
  if (std::optional<ControlId> next = nextInRing(ring, windowing_.focusedControl(), direction))
    windowing_.setFocus(*next);
}

// The default-button rule: the focused default button, else Enter as Tab where the window asks
// for it, else the first default button. This window has no default button, so Enter goes on.
bool MainWindow::handleEnter() {
  auto isDefaultButton = [&](ControlId id) {
    const ControlDefinition& control = definition_.controls[id];
    return control.kind == ControlKind::button && control.defaultButton && control.enabled;
  };
  std::optional<ControlId> focused = windowing_.focusedControl();
  if (focused && *focused < definition_.controls.size() && isDefaultButton(*focused)) {
    raise(*focused, Event::clicked);
    return true;
  }
  if (definition_.window.enterMovesFocus) {
    moveFocusAlongRing(TabDirection::forward);
    return true;
  }
  for (ControlId id = 0; id < definition_.controls.size(); ++id)
    if (isDefaultButton(id)) {
      raise(id, Event::clicked);
      return true;
    }
  return false;
}

std::optional<ControlId> MainWindow::builtControl(std::string_view name) const {
  return live_ && !building_ ? findControl(definition_, name) : std::nullopt;
}

}  // namespace ui
