// The batch loops of appearance-calc: texts from the command line or from standard input in,
// one result line each out. Each returns the exit status.
#pragma once

#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/page_calculator.h"

namespace cli {

int calculateTexts(PageCalculator& calculator, const std::vector<std::string>& texts,
                   InputEncoding encoding);

// One text per line; LF or CR LF ends a line and is not part of it, and a last line without
// LF counts. Each result is out before the program waits for more input; memory stays bounded
// by the longest line.
int calculateStandardInput(PageCalculator& calculator, InputEncoding encoding);

}  // namespace cli
