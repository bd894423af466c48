// A command line split into a program and its arguments the way Windows does it, for platforms
// that start programs from an argument list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// The program name first, then the arguments. Blanks (space, tab) before the program name are
// skipped. The program name is taken as CreateProcess and CommandLineToArgvW take it: in double
// quotes, everything up to the next quote (no escapes, the quotes dropped); otherwise everything
// up to the first blank. The arguments follow the rules of Microsoft's C runtime (2008 and
// later): blanks separate them outside quotes; a quote opens or closes a quoted part; inside
// one, two quotes in a row give one quote; 2n backslashes before a quote give n backslashes and
// the quote keeps its meaning, 2n + 1 give n backslashes and a literal quote; other backslashes
// are literal; an unclosed quote runs to the end of the line.
// Empty when the line holds only blanks. Only the ASCII bytes space, tab, '"' and '\\' mean
// anything, so the text may be UTF-8 (but not GBK, whose second bytes can be a backslash).
std::vector<std::string> splitCommandLine(std::string_view commandLine);

}  // namespace launcher
