// The process side of the Windows program: the hidden service window, and start-up in a
// child process: its current directory, the fatal error box and the exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "utf8_text.h"
#include "win32/platform.h"

namespace {

TEST(Win32Platform, ServiceWindowIsHiddenUntitledAndOffTheTaskbar) {
  win32::Win32Platform platform(GetModuleHandleW(nullptr));
  platform.createServiceWindow();
  HWND service = platform.serviceWindow();
  ASSERT_NE(service, nullptr);
  EXPECT_TRUE(GetWindowLongW(service, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, L"QuellmarServiceWindow", nullptr), service);
  EXPECT_FALSE(IsWindowVisible(service));
  EXPECT_EQ(GetWindowTextLengthW(service), 0);
  RECT rect;
  GetWindowRect(service, &rect);
  EXPECT_EQ(rect.right - rect.left, 0);
  EXPECT_EQ(rect.bottom - rect.top, 0);
  platform.destroyServiceWindow();
  EXPECT_FALSE(IsWindow(service));
}

std::wstring folderOf(const std::wstring& path) {
  return path.substr(0, path.rfind(L'\\'));
}

std::wstring ownPath() {
  wchar_t path[MAX_PATH * 4];
  return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH * 4));
}

// The helper's box, once it shows.
HWND waitForErrorBox(HANDLE process) {
  for (int tries = 0; tries < 200; ++tries) {
    if (HWND box = FindWindowW(L"#32770", L"错误")) return box;
    if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

std::wstring dialogText(HWND box, int item) {
  wchar_t text[512] = {};
  GetDlgItemTextW(box, item, text, 512);
  return text;
}

class ProgramStartInAnotherFolder : public testing::Test {
 protected:
  void SetUp() override {
    // A folder that GBK cannot spell, and a file name whose GBK bytes hold a '\'.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"한 乗";
    CreateDirectoryW(folder_.c_str(), nullptr);
    copy_ = folder_ + L"\\乗.exe";
    ASSERT_TRUE(CopyFileW((folderOf(ownPath()) + L"\\program_start_helper.exe").c_str(),
                          copy_.c_str(), FALSE));
  }
  void TearDown() override {
    DeleteFileW(copy_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring folder_;
  std::wstring copy_;
};

TEST_F(ProgramStartInAnotherFolder, WorksInItsOwnFolderAndEndsWithTheErrorBoxAndMinusOne) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + copy_ + L"\" ignored arguments";
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  ASSERT_TRUE(CreateProcessW(copy_.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             temp, &startup, &process));
  CloseHandle(writeEnd);

  HWND box = waitForErrorBox(process.hProcess);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  // The message text, the stop icon and a single OK button.
  EXPECT_EQ(dialogText(box, 0xFFFF), L"运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
  // The box's icon control (Wine's id for it) shows only when an icon was asked for.
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(box, 0x0440)));
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  PostMessageW(box, WM_COMMAND, IDOK, 0);

  ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, static_cast<DWORD>(-1));

  char output[1024];
  DWORD read = 0;
  std::string printed;
  while (ReadFile(readEnd, output, sizeof output, &read, nullptr) && read > 0)
    printed.append(output, read);
  EXPECT_EQ(printed, win32_testing::utf8FromWide(folder_));
  CloseHandle(readEnd);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
