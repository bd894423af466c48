// The user scenarios of tests/scenarios, run against the real Win32 window with real window
// messages: keys, typing, clicks and presses in; focus, pages, texts and the end out.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "encoding/gbk_conversion.h"
#include "real_window.h"
#include "scenario_table.h"
#include "utf8_text.h"

namespace win32_testing {
namespace {

const ui::WindowDefinition& definition() {
  return ui::mainWindowDefinition();
}

// The table names controls in UTF-8; the definition holds GBK.
std::string controlName(const std::string& utf8) {
  return encoding::utf8ToGbk(utf8);
}

UINT virtualKeyOf(const std::string& key) {
  static const std::map<std::string, UINT> keys{
      {"Tab", VK_TAB},        {"Esc", VK_ESCAPE},    {"Enter", VK_RETURN}, {"Space", VK_SPACE},
      {"Left", VK_LEFT},      {"Right", VK_RIGHT},   {"Home", VK_HOME},    {"End", VK_END},
      {"Backspace", VK_BACK}, {"Delete", VK_DELETE},
  };
  return keys.at(key);
}

ui::Modifiers modifiersOf(const scenarios::KeyChord& chord) {
  return static_cast<ui::Modifiers>((chord.ctrl ? ui::ctrlKey : 0) |
                                    (chord.shift ? ui::shiftKey : 0) |
                                    (chord.alt ? ui::altKey : 0));
}

std::string focusName(RealWindow& window) {
  return encoding::gbkToUtf8(window.focusName());
}

void perform(RealWindow& window, const scenarios::Action& action) {
  using enum scenarios::ActionKind;
  const std::string control = controlName(action.control);
  switch (action.kind) {
    case key:
      window.pressKey(virtualKeyOf(action.chord.key), modifiersOf(action.chord));
      break;
    case type:
      window.type(wideFromUtf8(action.text));
      break;
    case click:
      window.click(control);
      break;
    case header:
      window.clickHeader(action.number);
      break;
    case press:
    case doubleClick:
      window.pressOn(control, action.x, action.y, action.kind == doubleClick);
      break;
    case rightClick:
      window.rightPressOn(control, action.x, action.y);
      break;
    case leaveAndReturn:
      window.switchAwayAndBack();
      break;
    case expectFocus:
      EXPECT_EQ(focusName(window), action.control);
      break;
    case expectPage:
      EXPECT_EQ(window.selectedPage(), action.number);
      for (ui::ControlId id = 0; id < definition().controls.size(); ++id) {
        std::optional<std::int32_t> page = ui::pageOf(definition(), id);
        const std::string_view name = definition().controls[id].name;
        if (page) {
          EXPECT_EQ(window.isVisible(name), *page == action.number) << encoding::gbkToUtf8(name);
        }
      }
      break;
    case expectText:
      EXPECT_EQ(window.text(control), wideFromUtf8(action.text));
      break;
    case expectClosed:
      EXPECT_FALSE(window.exists());
      EXPECT_EQ(window.quitCode(), action.number);
      break;
    case expectBrowser:
      EXPECT_EQ(window.webSiteOpenings(), action.number);
      break;
  }
}

class UserScenario : public testing::TestWithParam<scenarios::Scenario> {};

TEST_P(UserScenario, OnTheRealWindow) {
  RealWindow window;
  ASSERT_TRUE(window.exists());
  for (const scenarios::Action& action : GetParam().actions) {
    SCOPED_TRACE(scenarios::describe(action));
    const bool check = action.kind >= scenarios::ActionKind::expectFocus;
    if (!check) {
      ASSERT_TRUE(window.exists()) << "the window closed before this step";
    }
    perform(window, action);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, UserScenario, testing::ValuesIn(scenarios::userScenarios()),
                         [](const testing::TestParamInfo<scenarios::Scenario>& info) {
                           return "line" + std::to_string(info.param.line);
                         });

// Closing through the frame and the system keys, which the shared table leaves to each
// platform.
TEST(RealWindowClosing, TheCloseButtonEndsWithQuitCodeZero) {
  RealWindow window;
  PostMessageW(window.windowing.mainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  window.pressKey(VK_SHIFT);  // handles what is waiting
  EXPECT_FALSE(window.exists());
  EXPECT_EQ(window.quitCode(), 0);
}

TEST(RealWindowClosing, AltF4EndsWithQuitCodeZero) {
  RealWindow window;
  window.pressKey(VK_F4, ui::altKey);
  EXPECT_FALSE(window.exists());
  EXPECT_EQ(window.quitCode(), 0);
}

TEST(RealWindowKeys, CtrlTabMovesNoFocus) {
  RealWindow window;
  window.pressKey(VK_TAB, ui::ctrlKey);
  EXPECT_EQ(window.focusName(), "按钮2");
}

}  // namespace
}  // namespace win32_testing
