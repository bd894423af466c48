#include "calc/calculations.h"

#include "calc/conversions.h"
#include "ui/control_text.h"

namespace calc {

std::int32_t monsterValue = 0;
std::int32_t monsterResult = 0;
std::int32_t equipmentValue = 0;

std::int32_t truncateToInteger(double value) {
  // On 32-bit x86 the x87 unit may still hold `value` in an 80-bit register, and GCC's C++
  // front end keeps that excess precision across assignments and casts. The volatile store
  // forces the rounding to double, so the value cut below is the double, as everywhere else.
  volatile double stored = value;
  auto wide = static_cast<std::int64_t>(stored);
  return static_cast<std::int32_t>(static_cast<std::uint64_t>(wide) & 0xFFFFFFFFu);
}

namespace {

// The box's text as an integer; an empty box reads as the empty text. The text read is
// disposed of on return.
std::int32_t readValue(std::string_view box) {
  std::optional<std::string> text = ui::readControlText(ui::WindowId::mainWindow, box);
  return textToInteger(text ? std::string_view(*text) : std::string_view());
}

void writeResult(std::string_view box, std::int32_t result) {
  ui::writeControlText(ui::WindowId::mainWindow, box, integerToText(result));
}

}  // namespace

void calculateEquipment() {
  equipmentValue = readValue("编辑框3");
  equipmentValue = truncateToInteger(static_cast<double>(equipmentValue) / 1200.0);
  writeResult("编辑框4", equipmentValue);
}

void calculateMonster() {
  monsterValue = readValue("编辑框1");
  monsterResult = truncateToInteger(static_cast<double>(monsterValue) - 1.0);
  monsterResult = truncateToInteger(static_cast<double>(monsterResult) * 10.0);
  writeResult("编辑框2", monsterResult);
}

}  // namespace calc
