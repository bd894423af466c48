// Splitting a command line into a program and its arguments by the Windows rules.
#include "launcher/command_line.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  struct Case {
    const char* line;
    Words words;
  };
  const Case cases[] = {
      {"", {}},
      {" \t ", {}},
      {"xdg-open http://www.example.com", {"xdg-open", "http://www.example.com"}},
      {"  prog\t a  b ", {"prog", "a", "b"}},
      // The program name: quotes group, backslashes are plain, a closing quote ends it.
      {R"("C:\Program Files\IE\IEXPLORE.EXE" http://h)",
       {R"(C:\Program Files\IE\IEXPLORE.EXE)", "http://h"}},
      {R"("a b"c d)", {"a b", "c", "d"}},
      {R"("dir\" x)", {R"(dir\)", "x"}},
      {R"("no end)", {"no end"}},
      {R"(a"b c" d)", {R"(a"b)", "c d"}},
      {R"(C:\Program Files\x.exe)", {R"(C:\Program)", R"(Files\x.exe)"}},
      {R"("" x)", {"", "x"}},
      // The arguments (the C runtime's own examples among them).
      {R"(p "a b c" d e)", {"p", "a b c", "d", "e"}},
      {R"(p "ab\"c" "\\" d)", {"p", R"(ab"c)", R"(\)", "d"}},
      {R"(p a\\\b d"e f"g h)", {"p", R"(a\\\b)", "de fg", "h"}},
      {R"(p a\\\"b c d)", {"p", R"(a\"b)", "c", "d"}},
      {R"(p a\\\\"b c" d e)", {"p", R"(a\\b c)", "d", "e"}},
      {R"(p a"b"" c d)", {"p", R"(ab" c d)"}},
      {R"(p "" "")", {"p", "", ""}},
      {R"(p """")", {"p", R"(")"}},
      {R"(p \"a\")", {"p", R"("a")"}},
      {R"(p "unclosed  run)", {"p", "unclosed  run"}},
      {R"(p trailing\)", {"p", R"(trailing\)"}},
      {R"(p a\"")", {"p", R"(a")"}},
      {"p \xe4\xb9\x97 \"\xe4\xb9\x97 \xe4\xb9\x97\"",
       {"p", "\xe4\xb9\x97", "\xe4\xb9\x97 \xe4\xb9\x97"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(splitCommandLine(c.line), c.words);
  }
}

}  // namespace
}  // namespace launcher
