// What appearance-calc needs of the operating system's console: its arguments and its standard
// streams. One file per platform implements it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cli {

// True where the arguments come from a Unicode command line and are given as UTF-8 (Windows),
// so that they are UTF-8 whatever --encoding says of standard input.
extern const bool kArgumentsAreUtf8;

// The arguments after the program's name.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Standard input and output in binary mode (line ends stay as they were written) and standard
// output fully buffered; call before any input or output.
void prepareStandardStreams();

// Reads what standard input has, at most `size` bytes, waiting only while it has nothing.
// Returns the count of bytes, 0 at the end of the input, or -1 after a read error (errno set).
std::ptrdiff_t readStandardInput(char* buffer, std::size_t size);

}  // namespace cli
