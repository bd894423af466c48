// The two appearance calculations, run as the click handlers of the pages' "计  算" buttons.
#pragma once

#include <cstdint>

namespace calc {

// Stores a real into a 32-bit variable: cut toward zero to 64 bits, keep the low 32 bits.
// The calculations never come near the 64-bit limit; beyond it the result is undefined.
std::int32_t truncateToInteger(double value);

// The program variables: they live for the whole run and start at 0.
extern std::int32_t monsterValue;
extern std::int32_t monsterResult;
extern std::int32_t equipmentValue;

// 编辑框3 of the main window ÷ 1200, toward zero, written into 编辑框4.
void calculateEquipment();
// (编辑框1 of the main window − 1) × 10, modulo 2^32, written into 编辑框2.
void calculateMonster();

}  // namespace calc
