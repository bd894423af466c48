// The main window's four boxes as an in-memory store, registered as the loaded main window for
// the length of one test, so the calculation handlers run end to end against it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ui/control_text.h"

class MainWindowBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::loadWindow(ui::WindowId::mainWindow);
    ui::attachControls(ui::WindowId::mainWindow, &boxes);
  }
  void TearDown() override {
    ui::detachControls(ui::WindowId::mainWindow);
    ui::unloadWindow(ui::WindowId::mainWindow);
  }

  void type(std::string_view box, std::string_view text) { boxes.replaceControlText(box, text); }
  std::string shown(std::string_view box) const { return boxes.controlText(box); }

  ui::InMemoryControls boxes{"编辑框1", "编辑框2", "编辑框3", "编辑框4"};
};
