#include "app/fatal_error.h"

#include <cstdio>
#include <cstdlib>

#include "app/platform.h"
#include "app/program.h"

namespace app {

std::string fatalErrorText(std::string_view message, int code) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) {
    text += "错误代码：";
    text += std::to_string(code);
    text += "\r\n\r\n";
  }
  if (!message.empty()) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

void reportFatalError(std::string_view message, int code) {
  // A failure while the report itself runs (memory, most likely) cannot be shown any more.
  static bool reporting = false;
  Platform* platform = installedPlatform();
  if (reporting || platform == nullptr) std::_Exit(-1);
  reporting = true;

  raiseEndCounter();
  platform->showFatalError(fatalErrorText(message, code));
  reporting = false;
  endProgram(-1);
}

void reportAllocationFailure(std::size_t bytes) {
  char message[64];
  std::snprintf(message, sizeof message, "分配 %d 字节内存失败!", static_cast<int>(bytes));
  reportFatalError(message, 0);
}

}  // namespace app
