// The program's single failure path: a box with the error, then the end with exit code −1.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace app {

// The box text, byte for byte: "运行时出错!" and a blank line; "错误代码：" and the code when it
// is not 0; "错误信息：" and the message when there is one. Lines end with CR LF.
std::string fatalErrorText(std::string_view message, int code);

// Stops every handler from running, shows the box through the installed platform and ends the
// program through endProgram with −1. Never returns.
[[noreturn]] void reportFatalError(std::string_view message, int code);

// "分配 %d 字节内存失败!" with the number of bytes that were asked for.
[[noreturn]] void reportAllocationFailure(std::size_t bytes);

}  // namespace app
