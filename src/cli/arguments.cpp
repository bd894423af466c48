#include "cli/arguments.h"

namespace cli {
namespace {

constexpr std::string_view kEncodingOption = "--encoding=";

bool parseEncoding(std::string_view name, InputEncoding& encoding) {
  if (name == "utf-8" || name == "UTF-8" || name == "utf8") {
    encoding = InputEncoding::utf8;
    return true;
  }
  if (name == "gbk" || name == "GBK") {
    encoding = InputEncoding::gbk;
    return true;
  }
  return false;
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& arguments) {
  ParsedArguments parsed;
  Request& request = parsed.request;
  auto argument = arguments.begin();
  for (; argument != arguments.end(); ++argument) {
    const std::string_view word = *argument;
    if (word == "--help" || word == "-h") {
      request.action = Request::Action::showHelp;
      return parsed;
    }
    if (word == "--version") {
      request.action = Request::Action::showVersion;
      return parsed;
    }
    if (word == "--") {
      ++argument;
      break;
    }
    if (word.starts_with(kEncodingOption)) {
      const std::string_view name = word.substr(kEncodingOption.size());
      if (!parseEncoding(name, request.encoding)) {
        parsed.error = "unknown encoding '" + std::string(name) + "': use utf-8 or gbk";
        return parsed;
      }
      continue;
    }
    if (word == "--encoding") {
      parsed.error = "--encoding needs its value after '=': --encoding=utf-8 or --encoding=gbk";
      return parsed;
    }
    if (word.size() > 1 && word.starts_with('-')) {
      parsed.error = "unknown option '" + std::string(word) + "'";
      return parsed;
    }
    break;
  }

  if (argument == arguments.end()) {
    parsed.error = "missing the page: equipment or monster";
    return parsed;
  }
  if (*argument == "equipment") {
    request.page = Page::equipment;
  } else if (*argument == "monster") {
    request.page = Page::monster;
  } else {
    parsed.error = "unknown page '" + *argument + "': use equipment or monster";
    return parsed;
  }
  request.texts.assign(argument + 1, arguments.end());
  return parsed;
}

std::string_view usageText() {
  return "Usage: appearance-calc [--encoding=utf-8|gbk] equipment|monster [TEXT...]\n"
         "Prints, one line each, what the page's result box shows for each TEXT typed into its\n"
         "value box. Without TEXT, reads the texts from standard input, one a line (LF or CR LF),\n"
         "and prints each result as soon as its line is read.\n"
         "\n"
         "  equipment         the number of the item's first picture / 1200, cut toward zero\n"
         "  monster           (number - 1) * 10, wrapping at the limits of a 32-bit integer\n"
         "  --encoding=utf-8  the texts are UTF-8 (the default); characters that GBK lacks and\n"
         "                    invalid bytes become '?'\n"
         "  --encoding=gbk    the texts are GBK bytes, taken as they are\n"
         "  --help            shows this text\n"
         "  --version         shows the version\n"
         "\n"
         "Options come before the page: every argument after it is a TEXT, '-5' included.\n"
         "Exit status: 0 on success, 1 when input or output fails, 2 for a usage error.\n";
}

std::string versionText() {
  return "appearance-calc " APPEARANCE_VERSION "\n";
}

}  // namespace cli
