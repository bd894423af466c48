// Placeholder until the window model lands: builds nothing.
#include "ui/window_model.h"

namespace ui {
MainWindow::MainWindow(const WindowDefinition& definition, Windowing& windowing,
                       HandlerTable handlers, ModelHooks hooks)
    : definition_(definition), windowing_(windowing), handlers_(std::move(handlers)),
      hooks_(std::move(hooks)), tabControl_(tabControlOf(definition)) {}
MainWindow::~MainWindow() = default;
bool MainWindow::loadMainWindow() { return false; }
void MainWindow::showPage(bool) {}
void MainWindow::close() {}
void MainWindow::destroy() {}
bool MainWindow::isLive() const { return live_; }
bool MainWindow::offerKeyPress(Key, Modifiers) { return false; }
bool MainWindow::offerLeftButtonPress(ControlId, std::uint16_t, std::uint16_t, Modifiers) {
  return false;
}
void MainWindow::buttonClicked(ControlId) {}
bool MainWindow::pageSelectionChanging() { return true; }
void MainWindow::pageSelectionChanged() {}
void MainWindow::contentChangedByUser(ControlId) {}
void MainWindow::activationGained() {}
void MainWindow::activationLost() {}
void MainWindow::closeRequested() {}
void MainWindow::windowDestroyed() {}
bool MainWindow::hasControl(std::string_view) const { return false; }
std::string MainWindow::controlText(std::string_view) const { return {}; }
void MainWindow::replaceControlText(std::string_view, std::string_view) {}
std::optional<bool> MainWindow::raise(std::optional<ControlId>, Event, EventArgs) { return {}; }
bool MainWindow::isShownOnScreen(ControlId) const { return false; }
}  // namespace ui
