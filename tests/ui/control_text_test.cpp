#include "ui/control_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/fatal_error.h"
#include "app/platform.h"
#include "app/program.h"

namespace {

using ui::WindowId;

class ControlTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::loadWindow(WindowId::mainWindow);
    ui::attachControls(WindowId::mainWindow, &boxes);
  }
  void TearDown() override {
    ui::detachControls(WindowId::mainWindow);
    ui::unloadWindow(WindowId::mainWindow);
  }

  std::optional<std::string> read(const char* box) {
    return ui::readControlText(WindowId::mainWindow, box);
  }
  void write(const char* box, std::optional<std::string> text) {
    ui::writeControlText(WindowId::mainWindow, box, text);
  }

  ui::InMemoryControls boxes{"编辑框1", "编辑框2"};
};

// Texts as users leave them in a box: blanks, letters, full-width forms, a lone lead byte.
const std::vector<std::string> kTypedTexts = {
    "  42", "42abc", "\t-7\r\n", "　１２．５", "以装备第一张图片为准", "1\xA3", "\xFF\xFE"};

TEST_F(ControlTextTest, EmptyTextReadsAsNothing) {
  EXPECT_EQ(read("编辑框1"), std::nullopt);
  write("编辑框1", "");
  EXPECT_EQ(read("编辑框1"), std::nullopt);
}

TEST_F(ControlTextTest, WrittenTextReadsBackByteForByte) {
  for (const std::string& text : kTypedTexts) {
    write("编辑框1", text);
    EXPECT_EQ(boxes.controlText("编辑框1"), text);
    EXPECT_EQ(read("编辑框1"), text);
  }
}

TEST_F(ControlTextTest, ReadAndWriteTakeCopies) {
  std::optional<std::string> caller = "1200";
  write("编辑框1", caller);
  caller->assign("changed by the caller");
  EXPECT_EQ(read("编辑框1"), "1200");

  std::optional<std::string> first = read("编辑框1");
  first->assign("changed by the reader");
  first.reset();
  EXPECT_EQ(boxes.controlText("编辑框1"), "1200");
  EXPECT_EQ(read("编辑框1"), "1200");
}

TEST_F(ControlTextTest, WritingReplacesTheWholeTextAndNothingEmptiesIt) {
  write("编辑框1", "1234567890");
  write("编辑框1", "7");
  EXPECT_EQ(read("编辑框1"), "7");
  write("编辑框1", std::nullopt);
  EXPECT_EQ(read("编辑框1"), std::nullopt);
  EXPECT_EQ(boxes.replacements("编辑框1"), 3);
  EXPECT_EQ(boxes.replacements("编辑框2"), 0);
}

// Records the fatal error box and ends the "process" by throwing, so the test goes on.
struct ProcessEnded {
  int code;
};

class EndingPlatform final : public app::Platform {
 public:
  std::string programFilePath() override { return "/opt/appearance-calculator"; }
  char folderSeparator() const override { return '/'; }
  void changeCurrentDirectory(const std::string&) override {}
  void showFatalError(const std::string& text) override { shown.push_back(text); }
  [[noreturn]] void exitProcess(int code) override { throw ProcessEnded{code}; }

  std::vector<std::string> shown;
};

class ControlTextFailureTest : public ControlTextTest {
 protected:
  void SetUp() override {
    ControlTextTest::SetUp();
    app::installPlatform(&platform);
  }
  void TearDown() override {
    app::installPlatform(nullptr);
    app::resetProgramStateForTesting();
    ControlTextTest::TearDown();
  }

  // Runs `access`, which must end the program, and gives the text of the box it showed. The
  // program's state is then put back to its start, the main window unloaded.
  template <typename Access>
  std::string fatalErrorOf(Access access) {
    std::string outcome = "the access returned";
    try {
      access();
    } catch (const ProcessEnded& ended) {
      EXPECT_EQ(ended.code, -1);
      EXPECT_GT(app::endCounter(), 0) << "no handler may run from now on";
      outcome = platform.shown.size() == 1 ? platform.shown.front() : "one box expected";
    }
    platform.shown.clear();
    app::resetProgramStateForTesting();
    app::installPlatform(&platform);
    return outcome;
  }

  EndingPlatform platform;
};

TEST_F(ControlTextFailureTest, WindowNotLoaded) {
  boxes.replaceControlText("编辑框1", "5");
  ui::unloadWindow(WindowId::mainWindow);
  std::string expected = app::fatalErrorText("未载入欲访问窗口组件所在的窗口", 0);
  EXPECT_EQ(expected, "运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n");

  EXPECT_EQ(fatalErrorOf([&] { read("编辑框1"); }), expected);
  EXPECT_EQ(fatalErrorOf([&] { write("编辑框1", "6"); }), expected);
  EXPECT_EQ(boxes.controlText("编辑框1"), "5");
}

TEST_F(ControlTextFailureTest, ControlDoesNotExist) {
  std::string expected = app::fatalErrorText("指定窗口尚未载入", 0);

  // The window is loaded, but its controls are not built yet (or no longer).
  ui::detachControls(WindowId::mainWindow);
  EXPECT_EQ(fatalErrorOf([&] { read("编辑框1"); }), expected);

  // A name that the window does not define counts the same.
  ui::loadWindow(WindowId::mainWindow);
  ui::attachControls(WindowId::mainWindow, &boxes);
  EXPECT_EQ(fatalErrorOf([&] { write("编辑框9", "6"); }), expected);
  EXPECT_EQ(boxes.replacements("编辑框1") + boxes.replacements("编辑框2"), 0);
}

}  // namespace
