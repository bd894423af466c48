#include "win32/platform.h"

#include <ole2.h>

#include <cstdlib>

#include "win32/wide_text.h"

namespace win32 {
namespace {

constexpr const wchar_t* serviceWindowClassName = L"QuellmarServiceWindow";

// The full path, however long: a path cut at 260 characters would name the wrong folder.
std::wstring moduleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::wstring folderOf(const std::wstring& path) {
  const std::size_t last = path.rfind(L'\\');
  return last == std::wstring::npos ? std::wstring() : path.substr(0, last);
}

}  // namespace

void Win32Platform::initialiseOle() {
  (void)OleInitialize(nullptr);
}

void Win32Platform::releaseOle() {
  OleUninitialize();
}

void Win32Platform::createServiceWindow() {
  WNDCLASSEXW serviceClass{};
  serviceClass.cbSize = sizeof serviceClass;
  serviceClass.lpfnWndProc = DefWindowProcW;
  serviceClass.hInstance = instance_;
  serviceClass.lpszClassName = serviceWindowClassName;
  RegisterClassExW(&serviceClass);
  // No title, no size, no taskbar button, never shown. A message-only window: it has no place
  // on the desktop at all, and costs the start-up nothing of a hidden top-level window.
  serviceWindow_ = CreateWindowExW(WS_EX_TOOLWINDOW, serviceWindowClassName, L"", WS_POPUP, 0, 0, 0,
                                   0, HWND_MESSAGE, nullptr, instance_, nullptr);
}

void Win32Platform::destroyServiceWindow() {
  if (serviceWindow_ != nullptr) DestroyWindow(serviceWindow_);
  serviceWindow_ = nullptr;
}

std::string Win32Platform::programFilePath() {
  widePath_ = moduleFileName();
  gbkPath_ = fromWide(widePath_);
  return gbkPath_;
}

void Win32Platform::changeCurrentDirectory(const std::string& folder) {
  // The folder the core cut from the path handed out above is changed to from the exact
  // path: GBK cannot spell every folder name, and a GBK trail byte can look like '\'.
  const std::size_t cut = folder.size();
  const bool fromOwnPath = !folder.empty() && cut < gbkPath_.size() &&
                           gbkPath_.compare(0, cut, folder) == 0 && gbkPath_[cut] == '\\' &&
                           gbkPath_.find('\\', cut + 1) == std::string::npos;
  const std::wstring wide = fromOwnPath ? folderOf(widePath_) : toWide(folder);
  if (!wide.empty()) (void)SetCurrentDirectoryW(wide.c_str());
}

void Win32Platform::showFatalError(const std::string& text) {
  const std::wstring message = toWide(text);
  MessageBoxW(nullptr, message.c_str(), toWide("错误").c_str(), MB_OK | MB_ICONHAND);
}

void Win32Platform::exitProcess(int code) {
  // After a fatal error the process ends at once; the normal end runs the usual clean-up.
  if (code != 0) ExitProcess(static_cast<UINT>(code));
  std::exit(code);
}

}  // namespace win32
