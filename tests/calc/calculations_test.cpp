#include "calc/calculations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "calc/conversions.h"
#include "main_window_boxes.h"
#include "printable.h"

namespace {

struct ClickCase {
  std::string typed;
  std::string shown;
};

using CalculationTest = MainWindowBoxes;

TEST_F(CalculationTest, EquipmentDividesBy1200TowardZero) {
  std::vector<ClickCase> cases = {
      {"", "0"},
      {"abc", "0"},
      {"1199", "0"},
      {"1200", "1"},
      {"2400", "2"},
      {"3599", "2"},
      {"3600", "3"},
      {"12000", "10"},
      {"２４００", "2"},
      {"2400.9", "2"},
      {"-1199", "0"},
      {"-1200", "-1"},
      {"-2401", "-2"},
      {"2147483647", "1789569"},
      {"-2147483648", "-1789569"},
      {"2147483648", "-1789569"},
      {"4294967296", "0"},
  };
  for (const ClickCase& c : cases) {
    type("编辑框3", c.typed);
    calc::calculateEquipment();
    EXPECT_EQ(shown("编辑框4"), c.shown) << "typed: " << printable(c.typed);
    EXPECT_EQ(calc::integerToText(calc::equipmentValue), c.shown);
    EXPECT_EQ(shown("编辑框3"), c.typed) << "the value box is left as it was";
  }
}

TEST_F(CalculationTest, MonsterSubtractsOneAndMultipliesBy10Modulo2To32) {
  std::vector<ClickCase> cases = {
      {"", "-10"},
      {"abc", "-10"},
      {"0", "-10"},
      {"1", "0"},
      {"2", "10"},
      {"100", "990"},
      {"１００", "990"},
      {"-1", "-20"},
      {"214748365", "2147483640"},
      {"214748366", "-2147483646"},
      {"429496730", "-6"},
      {"-214748363", "-2147483640"},
      {"-214748364", "2147483646"},
      {"2147483647", "-20"},
      {"-2147483647", "0"},
      {"-2147483648", "-10"},
  };
  for (const ClickCase& c : cases) {
    type("编辑框1", c.typed);
    calc::calculateMonster();
    EXPECT_EQ(shown("编辑框2"), c.shown) << "typed: " << printable(c.typed);
    EXPECT_EQ(calc::monsterValue, calc::textToInteger(c.typed));
    EXPECT_EQ(calc::integerToText(calc::monsterResult), c.shown);
    EXPECT_EQ(shown("编辑框1"), c.typed) << "the value box is left as it was";
  }
}

TEST_F(CalculationTest, SecondClickShowsTheSameAndLeavesTheOtherPageAlone) {
  type("编辑框1", "100");
  type("编辑框2", "earlier");
  type("编辑框3", "2400");
  type("编辑框4", "earlier");
  int monsterWrites = boxes.replacements("编辑框2");
  int equipmentWrites = boxes.replacements("编辑框4");

  calc::calculateEquipment();
  calc::calculateEquipment();
  EXPECT_EQ(shown("编辑框4"), "2");
  EXPECT_EQ(boxes.replacements("编辑框4"), equipmentWrites + 2);
  EXPECT_EQ(shown("编辑框2"), "earlier");
  EXPECT_EQ(boxes.replacements("编辑框2"), monsterWrites);

  calc::calculateMonster();
  calc::calculateMonster();
  EXPECT_EQ(shown("编辑框2"), "990");
  EXPECT_EQ(boxes.replacements("编辑框2"), monsterWrites + 2);
  EXPECT_EQ(shown("编辑框4"), "2");
  EXPECT_EQ(boxes.replacements("编辑框4"), equipmentWrites + 2);
}

TEST(TruncateToInteger, CutsTowardZeroAndKeepsTheLow32Bits) {
  struct Case {
    double real;
    std::int32_t expected;
  };
  std::vector<Case> cases = {
      {0.0, 0},
      {-0.0, 0},
      {2.9, 2},
      {-2.9, -2},
      {-0.999, 0},
      {2147483647.0, 2147483647},
      {2147483648.0, INT32_MIN},
      {-2147483649.0, 2147483647},
      {4294967301.0, 5},
      {-21474836480.0, 0},
      {-21474836490.0, -10},
  };
  for (Case c : cases) EXPECT_EQ(calc::truncateToInteger(c.real), c.expected) << c.real;
}

}  // namespace
