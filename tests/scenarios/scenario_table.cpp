#include "scenario_table.h"

#include <charconv>
#include <stdexcept>

namespace scenarios {
namespace {

constexpr std::string_view blanks = " \t\r";

std::string_view trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

// The first word and what follows it, trimmed.
std::pair<std::string_view, std::string_view> splitWord(std::string_view text) {
  text = trimmed(text);
  std::size_t end = text.find_first_of(blanks);
  if (end == std::string_view::npos) return {text, {}};
  return {text.substr(0, end), trimmed(text.substr(end))};
}

[[noreturn]] void fail(int line, std::string_view what) {
  throw std::invalid_argument("line " + std::to_string(line) + ": " + std::string(what));
}

int number(std::string_view word, int line) {
  int value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size())
    fail(line, "not a number: " + std::string(word));
  return value;
}

// A text runs to the end of the line. Double quotes around it keep blanks at its ends, and
// inside them \r, \n, \" and \\ stand for CR, LF, a quote and a backslash.
std::string text(std::string_view rest, int line) {
  if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"') return std::string(rest);
  rest = rest.substr(1, rest.size() - 2);
  std::string result;
  for (std::size_t at = 0; at < rest.size(); ++at) {
    if (rest[at] != '\\') {
      result += rest[at];
      continue;
    }
    if (++at == rest.size()) fail(line, "a backslash ends the text");
    switch (rest[at]) {
      case 'r':
        result += '\r';
        break;
      case 'n':
        result += '\n';
        break;
      case '"':
      case '\\':
        result += rest[at];
        break;
      default:
        fail(line, "unknown escape in a text");
    }
  }
  return result;
}

KeyChord chord(std::string_view written, int line) {
  KeyChord result;
  for (;;) {
    std::size_t plus = written.find('+');
    if (plus == std::string_view::npos || plus + 1 == written.size()) break;
    std::string_view modifier = written.substr(0, plus);
    if (modifier == "Ctrl")
      result.ctrl = true;
    else if (modifier == "Shift")
      result.shift = true;
    else if (modifier == "Alt")
      result.alt = true;
    else
      fail(line, "unknown modifier: " + std::string(modifier));
    written.remove_prefix(plus + 1);
  }
  static constexpr std::string_view keys[] = {"Tab",   "Esc",  "Enter", "Space",     "Left",
                                              "Right", "Home", "End",   "Backspace", "Delete"};
  for (std::string_view key : keys)
    if (written == key) {
      result.key = std::string(key);
      return result;
    }
  fail(line, "unknown key: " + std::string(written));
}

// "NAME X Y"
void pointOnControl(Action& action, std::string_view rest, int line) {
  auto [name, coordinates] = splitWord(rest);
  auto [x, y] = splitWord(coordinates);
  if (name.empty()) fail(line, "a control name is missing");
  action.control = std::string(name);
  action.x = number(x, line);
  action.y = number(y, line);
}

Action expectation(std::string_view rest, int line) {
  auto [what, argument] = splitWord(rest);
  Action action{.kind = ActionKind::expectFocus, .line = line};
  if (what == "focus") {
    action.control = argument == "none" ? std::string() : std::string(argument);
    if (argument.empty()) fail(line, "expect focus needs a control name or none");
  } else if (what == "page") {
    action.kind = ActionKind::expectPage;
    action.number = number(argument, line);
  } else if (what == "text") {
    action.kind = ActionKind::expectText;
    auto [name, value] = splitWord(argument);
    if (name.empty()) fail(line, "expect text needs a control name");
    action.control = std::string(name);
    action.text = text(value, line);
  } else if (what == "closed") {
    action.kind = ActionKind::expectClosed;
    action.number = number(argument, line);
  } else if (what == "browser") {
    action.kind = ActionKind::expectBrowser;
    action.number = number(argument, line);
  } else {
    fail(line, "unknown expectation: " + std::string(what));
  }
  return action;
}

Action action(std::string_view content, int line) {
  auto [verb, rest] = splitWord(content);
  Action action{.kind = ActionKind::key, .line = line};
  if (verb == "expect") return expectation(rest, line);
  if (verb == "key") {
    action.chord = chord(rest, line);
  } else if (verb == "type") {
    action.kind = ActionKind::type;
    action.text = text(rest, line);
  } else if (verb == "click") {
    action.kind = ActionKind::click;
    if (rest.empty()) fail(line, "click needs a control name");
    action.control = std::string(rest);
  } else if (verb == "header") {
    action.kind = ActionKind::header;
    action.number = number(rest, line);
  } else if (verb == "press" || verb == "double-click" || verb == "right-click") {
    action.kind = verb == "press"          ? ActionKind::press
                  : verb == "double-click" ? ActionKind::doubleClick
                                           : ActionKind::rightClick;
    pointOnControl(action, rest, line);
  } else if (verb == "leave-and-return") {
    action.kind = ActionKind::leaveAndReturn;
  } else {
    fail(line, "unknown step: " + std::string(verb));
  }
  return action;
}

}  // namespace

std::vector<Scenario> parseScenarios(std::string_view table) {
  std::vector<Scenario> result;
  int line = 0;
  while (!table.empty()) {
    ++line;
    std::size_t end = table.find('\n');
    std::string_view content = trimmed(table.substr(0, end));
    table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
    if (content.empty() || content.front() == '#') continue;

    constexpr std::string_view title = "scenario:";
    if (content.substr(0, title.size()) == title) {
      result.push_back(
          Scenario{.title = std::string(trimmed(content.substr(title.size()))), .line = line});
      continue;
    }
    if (result.empty()) fail(line, "a step before the first scenario");
    result.back().actions.push_back(action(content, line));
  }
  return result;
}

std::string describe(const Action& action) {
  static constexpr std::string_view names[] = {
      "key",           "type",         "click",       "header",
      "press",         "double-click", "right-click", "leave-and-return",
      "expect focus",  "expect page",  "expect text", "expect closed",
      "expect browser"};
  std::string text = "line " + std::to_string(action.line) + ": ";
  text += names[static_cast<int>(action.kind)];
  if (!action.chord.key.empty()) {
    text += ' ';
    if (action.chord.ctrl) text += "Ctrl+";
    if (action.chord.shift) text += "Shift+";
    if (action.chord.alt) text += "Alt+";
    text += action.chord.key;
  }
  if (!action.control.empty()) text += " " + action.control;
  switch (action.kind) {
    case ActionKind::header:
    case ActionKind::expectPage:
    case ActionKind::expectClosed:
    case ActionKind::expectBrowser:
      text += " " + std::to_string(action.number);
      break;
    case ActionKind::press:
    case ActionKind::doubleClick:
    case ActionKind::rightClick:
      text += " " + std::to_string(action.x) + " " + std::to_string(action.y);
      break;
    default:
      break;
  }
  if (!action.text.empty()) text += " \"" + action.text + "\"";
  return text;
}

}  // namespace scenarios
