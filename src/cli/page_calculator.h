// One page of the main window as the calculation handlers see it: an in-memory store of the
// four boxes registered as the main window, so that a text goes through exactly what a click
// on the page's "计  算" button runs.
#pragma once

#include <string>

#include "cli/arguments.h"
#include "ui/control_text.h"

namespace cli {

class PageCalculator {
 public:
  // Loads the main window with the boxes; one calculator at a time per process.
  explicit PageCalculator(Page page);
  ~PageCalculator();
  PageCalculator(const PageCalculator&) = delete;
  PageCalculator& operator=(const PageCalculator&) = delete;

  // Puts the GBK text into the page's value box, runs the page's handler and returns what its
  // result box then holds.
  std::string calculate(std::string valueText);

 private:
  ui::InMemoryControls boxes_;
  const char* valueBox_;
  const char* resultBox_;
  void (*handler_)();
};

}  // namespace cli
