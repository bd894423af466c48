// runProgram against the recording helper: what the started program gets, how long the caller
// waits, and what a failed start leaves.
#include "launcher/run_program.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "launch_record.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace launcher {
namespace {

using namespace launcher_testing;
using Strings = std::vector<std::string>;
namespace fs = std::filesystem;

// Enough beyond the 1000 ms wait to tell the two apart on a busy machine.
constexpr int outlivesTheWait = 2500;

#ifndef _WIN32
// The processes whose parent is this one and that have ended but not been reaped.
Strings zombieChildren() {
  Strings zombies;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
    std::ifstream in(entry.path() / "stat");
    std::string stat;
    if (!std::getline(in, stat)) continue;
    // "pid (name) state parent ...": the name may hold blanks and parentheses.
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) continue;
    std::istringstream rest(stat.substr(nameEnd + 1));
    char state = 0;
    long parent = 0;
    rest >> state >> parent;
    if (state == 'Z' && parent == getpid()) zombies.push_back(stat);
  }
  return zombies;
}

// Waits for the ended helper to be reaped, or to be left a zombie, and expects no zombie among
// this process's children.
void expectNoZombieOnceEnded(long helper) {
  const std::string stat = "/proc/" + std::to_string(helper) + "/stat";
  for (int tries = 0; tries < 200 && fs::exists(stat); ++tries) {
    std::ifstream in(stat);
    std::string line;
    std::getline(in, line);
    if (line.find(") Z ") != std::string::npos) break;
    usleep(10'000);
  }
  EXPECT_EQ(zombieChildren(), Strings{});
}
#endif

// Makes the given folder current for its lifetime.
class ScopedCurrentFolder {
 public:
  explicit ScopedCurrentFolder(const std::string& folder) : old_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~ScopedCurrentFolder() { fs::current_path(old_); }

 private:
  fs::path old_;
};

TEST(RunProgram, HandsOnTheArgumentsInTheCallersFolderAndEnvironment) {
  RecordFile record;  // its name reaches the helper only through the environment
  TemporaryFolder folder;
  ScopedCurrentFolder current(folder.path());
  // GBK bytes: "乗" is 0x81 0x5C, whose second byte looks like a backslash before the quote.
  const std::string line =
      quotedRecorder() + R"( plain "two words" back\slash "quote\"d" "" "乗" 数值)";
  ASSERT_TRUE(runProgram(line, true));
  ASSERT_EQ(record.starts(), 1);
  EXPECT_EQ(record.values("arg"), (Strings{"plain", "two words", R"(back\slash)", R"(quote"d)", "",
                                           utf8(u8"乗"), utf8(u8"数值")}));
  EXPECT_EQ(fs::path(record.values("cwd").at(0)), fs::current_path());
#ifdef _WIN32
  // Handed on unchanged, only turned into UTF-16.
  EXPECT_EQ(record.values("line"),
            Strings{quotedRecorder() +
                    utf8(u8R"( plain "two words" back\slash "quote\"d" "" "乗" 数值)")});
#endif
}

TEST(RunProgram, WithWaitForExitReturnsOnlyOnceTheProgramHasEnded) {
  RecordFile record;
  ScopedVariable sleep("LAUNCH_RECORDER_SLEEP_MS", "1200");
  bool started = false;
  const long long taken = millisecondsTaken([&] { started = runProgram(quotedRecorder(), true); });
  EXPECT_TRUE(started);
  EXPECT_GE(taken, 1200);
  EXPECT_EQ(record.ends(), 1);
}

TEST(RunProgram, WithoutWaitForExitReturnsAtOnceForAProgramThatEnds) {
  RecordFile record;
  bool started = false;
  const long long taken = millisecondsTaken([&] { started = runProgram(quotedRecorder()); });
  EXPECT_TRUE(started);
  EXPECT_LT(taken, 800);
  EXPECT_TRUE(record.waitForEnds(1));
}

TEST(RunProgram, WithoutWaitForExitStopsWaitingAfterASecondForAProgramNeverReady) {
  RecordFile record;
  ScopedVariable sleep("LAUNCH_RECORDER_SLEEP_MS", std::to_string(outlivesTheWait));
  bool started = false;
  const long long taken = millisecondsTaken([&] { started = runProgram(quotedRecorder()); });
  EXPECT_TRUE(started);
  EXPECT_GE(taken, 950);
  EXPECT_LT(taken, outlivesTheWait - 500);
  EXPECT_EQ(record.ends(), 0);
  ASSERT_TRUE(record.waitForEnds(1));
#ifndef _WIN32
  expectNoZombieOnceEnded(std::stol(record.values("start").at(0)));
#endif
}

TEST(RunProgram, AFailedStartGivesFalseAtOnceAndChangesNothing) {
  RecordFile record;
  TemporaryFolder folder;
  ScopedCurrentFolder current(folder.path());
  const std::string missing = (fs::path(folder.path()) / "no-such-program").string();
  const Strings lines = {"", "  ", "\"" + missing + "\" a b", "launch-no-such-program-anywhere"};
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    bool started = true;
    EXPECT_LT(millisecondsTaken([&] { started = runProgram(line, false); }), 800);
    EXPECT_FALSE(started);
    EXPECT_FALSE(runProgram(line, true));
  }
  EXPECT_FALSE(record.exists());
  EXPECT_EQ(fs::current_path(), fs::path(folder.path()));
  EXPECT_TRUE(fs::is_empty(folder.path()));
}

#ifdef _WIN32

TEST(RunProgram, WithoutWaitForExitReturnsOnceTheProgramWaitsForInput) {
  RecordFile record;
  ScopedVariable sleep("LAUNCH_RECORDER_SLEEP_MS", "1500");
  ScopedVariable idle("LAUNCH_RECORDER_IDLE", "1");
  bool started = false;
  const long long taken = millisecondsTaken([&] { started = runProgram(quotedRecorder()); });
  EXPECT_TRUE(started);
  EXPECT_LT(taken, 800);
  EXPECT_EQ(record.ends(), 0);
  EXPECT_TRUE(record.waitForEnds(1));
}

TEST(RunProgram, GivesTheProgramTheShowCommandOfTheClampedMode) {
  struct Case {
    std::optional<std::int32_t> mode;
    std::string show;
  };
  const Case cases[] = {
      {std::nullopt, "1 1"},
      {0, "0 1"},
      {1, "0 1"},
      {2, "1 1"},
      {3, "2 1"},
      {4, "3 1"},
      {5, "4 1"},
      {6, "6 1"},
      {7, "6 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode.value_or(-999));
    RecordFile record;
    ASSERT_TRUE(c.mode ? runProgram(quotedRecorder(), true, *c.mode)
                       : runProgram(quotedRecorder(), true));
    EXPECT_EQ(record.values("show"), Strings{c.show});
  }
}

#else

TEST(RunProgram, PassesOnOnlyTheStandardDescriptors) {
  RecordFile record;
  int inheritable[2];
  ASSERT_EQ(pipe(inheritable), 0);  // without O_CLOEXEC
  ASSERT_TRUE(runProgram(quotedRecorder(), true));
  close(inheritable[0]);
  close(inheritable[1]);
  ASSERT_EQ(record.starts(), 1);
  for (const std::string& descriptor : record.values("fd")) EXPECT_LT(std::stoi(descriptor), 3);
}

TEST(RunProgram, StartsTheProgramWithNoSignalBlockedOrIgnored) {
  RecordFile record;
  sigset_t blocked, old;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGUSR1);
  ASSERT_EQ(pthread_sigmask(SIG_BLOCK, &blocked, &old), 0);
  struct sigaction ignore {
  }, oldAction{};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(sigaction(SIGCHLD, &ignore, &oldAction), 0);
  const bool started = runProgram(quotedRecorder(), true);
  sigaction(SIGCHLD, &oldAction, nullptr);
  pthread_sigmask(SIG_SETMASK, &old, nullptr);
  ASSERT_TRUE(started);
  ASSERT_EQ(record.values("signals").size(), 1u);
  std::istringstream masks(record.values("signals")[0]);
  std::string blockedMask, ignoredMask;
  masks >> blockedMask >> ignoredMask;
  // glibc keeps signals 32 and 33 for itself and refuses to change them, so whatever the test's
  // own parent left there is passed on; every other signal must be reset.
  constexpr std::uint64_t glibcReserved = (1ull << (32 - 1)) | (1ull << (33 - 1));
  EXPECT_EQ(std::stoull(blockedMask, nullptr, 16) & ~glibcReserved, 0u) << blockedMask;
  EXPECT_EQ(std::stoull(ignoredMask, nullptr, 16) & ~glibcReserved, 0u) << ignoredMask;
}

TEST(RunProgram, NeverHandsAProgramFileToAShell) {
  TemporaryFolder folder;
  // An executable file without "#!": execvp would have /bin/sh run it.
  const fs::path script = fs::path(folder.path()) / "script";
  const fs::path marker = fs::path(folder.path()) / "ran";
  std::ofstream(script) << "touch '" << marker.string() << "'\n";
  fs::permissions(script, fs::perms::owner_all);
  EXPECT_FALSE(runProgram("\"" + script.string() + "\"", true));
  EXPECT_FALSE(fs::exists(marker));
}

TEST(RunProgram, FindsTheProgramThroughPath) {
  RecordFile record;
  TemporaryFolder folder;
  fs::create_symlink(recorderPath(), fs::path(folder.path()) / "launch-recorder-on-path");
  ScopedVariable path("PATH", "/nonexistent::" + folder.path());
  ASSERT_TRUE(runProgram("launch-recorder-on-path x", true));
  EXPECT_EQ(record.values("arg"), Strings{"x"});
}

#endif

}  // namespace
}  // namespace launcher
