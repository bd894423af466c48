#include "cli/page_calculator.h"

#include <optional>
#include <utility>

#include "calc/calculations.h"

namespace cli {

PageCalculator::PageCalculator(Page page)
    : boxes_{"编辑框1", "编辑框2", "编辑框3", "编辑框4"},
      valueBox_(page == Page::equipment ? "编辑框3" : "编辑框1"),
      resultBox_(page == Page::equipment ? "编辑框4" : "编辑框2"),
      handler_(page == Page::equipment ? calc::calculateEquipment : calc::calculateMonster) {
  ui::loadWindow(ui::WindowId::mainWindow);
  ui::attachControls(ui::WindowId::mainWindow, &boxes_);
}

PageCalculator::~PageCalculator() {
  ui::detachControls(ui::WindowId::mainWindow);
  ui::unloadWindow(ui::WindowId::mainWindow);
}

std::string PageCalculator::calculate(std::string valueText) {
  // Handed over, not copied: the box takes its own copy, as a window's edit box would.
  ui::writeControlText(ui::WindowId::mainWindow, valueBox_,
                       std::optional<std::string>(std::move(valueText)));
  handler_();
  return ui::readControlText(ui::WindowId::mainWindow, resultBox_).value_or(std::string());
}

}  // namespace cli
