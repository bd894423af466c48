// The table of user scenarios that both front ends' tests run against their real windows:
// what a person does at the keyboard and with the mouse, and what the window must then show.
// The table is data in user_scenarios.txt (its format is described at its top); this is its
// reader, with nothing of a toolkit in it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenarios {

// A key with the modifiers held, as written in the table: "Shift+Tab", "Ctrl+Esc", "Space".
struct KeyChord {
  std::string key{};  // Tab, Esc, Enter, Space, Left, Right, Home, End, Backspace or Delete
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

enum class ActionKind {
  // what the user does
  key,             // chord
  type,            // text: typed one character after the other
  click,           // control: the left button clicked in the middle of it
  header,          // number: the left button clicked on that page header
  press,           // control, x, y: the left button pressed and released there
  doubleClick,     // control, x, y
  rightClick,      // control, x, y
  leaveAndReturn,  // another window takes the activation, then the main window again
  // what must hold at that moment
  expectFocus,    // control, or empty for no control
  expectPage,     // number: its members shown, every other page's hidden
  expectText,     // control, text: its whole text
  expectClosed,   // number: the window is gone and the program ends with that status
  expectBrowser,  // number: how many times the web site has been opened so far
};

struct Action {
  ActionKind kind = ActionKind::key;
  KeyChord chord{};
  std::string control{};  // a control name of the window definition, UTF-8
  std::string text{};     // UTF-8
  int number = 0;
  int x = 0;
  int y = 0;
  int line = 0;  // in the table, for messages
};

struct Scenario {
  std::string title{};
  std::vector<Action> actions{};
  int line = 0;
};

// Reads a table; a line it cannot read throws std::invalid_argument naming the line.
std::vector<Scenario> parseScenarios(std::string_view table);

// The table of user_scenarios.txt, built into the test program.
const std::vector<Scenario>& userScenarios();

// "line 12: expect focus 按钮2", for failure messages.
std::string describe(const Action& action);

}  // namespace scenarios
