// The command line of appearance-calc:
//   appearance-calc [--encoding=utf-8|gbk] equipment|monster [TEXT...]
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Page { equipment, monster };
enum class InputEncoding { utf8, gbk };

struct Request {
  enum class Action { calculate, showHelp, showVersion };
  Action action = Action::calculate;
  InputEncoding encoding = InputEncoding::utf8;
  Page page = Page::equipment;
  // One value-box text each, as given; none means the texts come from standard input.
  std::vector<std::string> texts;
};

struct ParsedArguments {
  Request request;
  // What is wrong with the command line, in one line; empty when nothing is.
  std::string error;
};

// Options come before the page; every argument after the page is a text, even one that starts
// with "-" (a negative number is a text).
ParsedArguments parseArguments(const std::vector<std::string>& arguments);

std::string_view usageText();
std::string versionText();

}  // namespace cli
