#include "scenario_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "encoding/gbk_conversion.h"
#include "ui/window_definition.h"

namespace scenarios {
namespace {

TEST(ScenarioTable, ReadsEveryKindOfLine) {
  auto read = parseScenarios(
      "# a comment\n"
      "scenario: one\n"
      "  key Ctrl+Shift+Tab\n"
      "  type \"  a \\\"b\\\"\\r\\n\"\n"
      "  click 按钮2\n"
      "  header 2\n"
      "  press 标签6 4 12\n"
      "  double-click 标签8 20 1\n"
      "  right-click 标签7 0 0\n"
      "  leave-and-return\n"
      "\n"
      "scenario: two\n"
      "  expect focus none\n"
      "  expect page 1\n"
      "  expect text 编辑框4\n"
      "  expect text 编辑框3 12 34\n"
      "  expect closed 0\n"
      "  expect browser 3\n");
  ASSERT_EQ(read.size(), 2u);
  const auto& steps = read[0].actions;
  ASSERT_EQ(steps.size(), 8u);
  EXPECT_EQ(read[0].title, "one");
  EXPECT_EQ(steps[0].kind, ActionKind::key);
  EXPECT_EQ(steps[0].chord.key, "Tab");
  EXPECT_TRUE(steps[0].chord.ctrl && steps[0].chord.shift && !steps[0].chord.alt);
  EXPECT_EQ(steps[1].text, "  a \"b\"\r\n");
  EXPECT_EQ(steps[2].control, "按钮2");
  EXPECT_EQ(steps[3].number, 2);
  EXPECT_EQ(steps[4].kind, ActionKind::press);
  EXPECT_EQ(steps[4].x, 4);
  EXPECT_EQ(steps[4].y, 12);
  EXPECT_EQ(steps[5].kind, ActionKind::doubleClick);
  EXPECT_EQ(steps[6].kind, ActionKind::rightClick);
  EXPECT_EQ(steps[7].kind, ActionKind::leaveAndReturn);

  const auto& checks = read[1].actions;
  ASSERT_EQ(checks.size(), 6u);
  EXPECT_EQ(checks[0].kind, ActionKind::expectFocus);
  EXPECT_EQ(checks[0].control, "");
  EXPECT_EQ(checks[2].text, "");
  EXPECT_EQ(checks[3].control, "编辑框3");
  EXPECT_EQ(checks[3].text, "12 34");
  EXPECT_EQ(checks[4].kind, ActionKind::expectClosed);
  EXPECT_EQ(checks[5].number, 3);
  EXPECT_EQ(checks[5].line, 18);
}

TEST(ScenarioTable, NamesTheLineItCannotRead) {
  const struct {
    const char* table;
    const char* message;
  } cases[] = {
      {"key Tab\n", "line 1: a step before the first scenario"},
      {"scenario: s\n  key Meta+Tab\n", "line 2: unknown modifier: Meta"},
      {"scenario: s\n  key F1\n", "line 2: unknown key: F1"},
      {"scenario: s\n  header one\n", "line 2: not a number: one"},
      {"scenario: s\n  press 标签6 4\n", "line 2: not a number: "},
      {"scenario: s\n  expect smile\n", "line 2: unknown expectation: smile"},
      {"scenario: s\n  type \"\\t\"\n", "line 2: unknown escape in a text"},
      {"scenario: s\n  jump\n", "line 2: unknown step: jump"},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.table);
    try {
      parseScenarios(entry.table);
      ADD_FAILURE() << "no error";
    } catch (const std::invalid_argument& error) {
      EXPECT_EQ(std::string(error.what()), entry.message);
    }
  }
}

// A misspelt name in the table would make a front end's test fail for the wrong reason.
TEST(ScenarioTable, TheUserScenariosNameOnlyControlsOfTheWindow) {
  const auto& table = userScenarios();
  ASSERT_FALSE(table.empty());
  const ui::WindowDefinition& window = ui::mainWindowDefinition();
  for (const Scenario& scenario : table) {
    EXPECT_FALSE(scenario.actions.empty()) << scenario.title;
    for (const Action& action : scenario.actions) {
      if (action.control.empty()) continue;
      EXPECT_TRUE(ui::findControl(window, encoding::utf8ToGbk(action.control)))
          << scenario.title << ", " << describe(action);
    }
  }
}

}  // namespace
}  // namespace scenarios
