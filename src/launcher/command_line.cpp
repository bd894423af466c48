#include "launcher/command_line.h"

namespace launcher {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

void skipBlanks(std::string_view& text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
}

std::string takeProgramName(std::string_view& text) {
  std::size_t end;
  std::string name;
  if (text.front() == '"') {
    end = text.find('"', 1);
    name = text.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1);
    if (end != std::string_view::npos) ++end;
  } else {
    end = text.find_first_of(" \t");
    name = text.substr(0, end);
  }
  text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  return name;
}

std::string takeArgument(std::string_view& text) {
  std::string argument;
  bool quoted = false;
  while (!text.empty() && (quoted || !isBlank(text.front()))) {
    std::size_t backslashes = 0;
    while (backslashes < text.size() && text[backslashes] == '\\') ++backslashes;
    if (backslashes == text.size() || text[backslashes] != '"') {
      // Backslashes not followed by a quote, or an ordinary character.
      std::size_t literal = backslashes > 0 ? backslashes : 1;
      argument.append(text.substr(0, literal));
      text.remove_prefix(literal);
      continue;
    }
    argument.append(backslashes / 2, '\\');
    text.remove_prefix(backslashes + 1);
    if (backslashes % 2 == 1) {
      argument.push_back('"');
    } else if (quoted && !text.empty() && text.front() == '"') {
      argument.push_back('"');
      text.remove_prefix(1);
    } else {
      quoted = !quoted;
    }
  }
  return argument;
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
  std::vector<std::string> words;
  skipBlanks(commandLine);
  if (commandLine.empty()) return words;
  words.push_back(takeProgramName(commandLine));
  for (skipBlanks(commandLine); !commandLine.empty(); skipBlanks(commandLine))
    words.push_back(takeArgument(commandLine));
  return words;
}

}  // namespace launcher
