#include "cli/batch.h"

#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

#include "cli/console.h"
#include "cli/standard_output.h"
#include "encoding/gbk_conversion.h"

namespace cli {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

// Takes the text over so that a long one is released as soon as its GBK form exists.
std::string toGbk(std::string text, InputEncoding encoding) {
  if (encoding == InputEncoding::gbk) return text;
  std::string gbk = encoding::utf8ToGbk(text);
  std::string().swap(text);
  return gbk;
}

void calculateLine(PageCalculator& calculator, std::string line, InputEncoding encoding) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  writeOutputLine(calculator.calculate(toGbk(std::move(line), encoding)));
}

}  // namespace

int calculateTexts(PageCalculator& calculator, const std::vector<std::string>& texts,
                   InputEncoding encoding) {
  for (const std::string& text : texts)
    writeOutputLine(calculator.calculate(toGbk(text, encoding)));
  return flushOutput() ? 0 : 1;
}

int calculateStandardInput(PageCalculator& calculator, InputEncoding encoding) {
  std::string buffer(kReadSize, '\0');
  // The start of a line whose end has not been read yet.
  std::string unfinished;
  for (;;) {
    // Whatever is computed goes out before a read that may wait, so that a pipe or a terminal
    // sees each result at once while a large batch is still written in large blocks.
    if (!flushOutput()) return 1;
    const std::ptrdiff_t got = readStandardInput(buffer.data(), buffer.size());
    if (got < 0) {
      reportProblem(std::string("cannot read standard input: ") + std::strerror(errno));
      return 1;
    }
    if (got == 0) break;

    const std::string_view data(buffer.data(), static_cast<std::size_t>(got));
    std::size_t start = 0;
    for (std::size_t end; (end = data.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
      const std::string_view piece = data.substr(start, end - start);
      if (unfinished.empty()) {
        calculateLine(calculator, std::string(piece), encoding);
      } else {
        unfinished.append(piece);
        calculateLine(calculator, std::exchange(unfinished, {}), encoding);
      }
    }
    unfinished.append(data.substr(start));
  }
  if (!unfinished.empty()) calculateLine(calculator, std::move(unfinished), encoding);
  return flushOutput() ? 0 : 1;
}

}  // namespace cli
