// Starting programs on Linux. The program is split off the command line by the Windows rules and
// started without a shell. It runs as the grandchild of a short-lived intermediate process, so
// that a program that outlives the wait is re-parented to init (or the nearest subreaper), which
// reaps it: the caller is never left a zombie, needs no thread and no SIGCHLD handler, and its
// other children are none of this code's business.
//
// Show modes: Linux hands a new process no show command, so every mode starts the program the
// same way and its first window appears as the program and the window manager decide, which for
// a browser is normal size and activated (mode 2). Hidden (1), minimised (3, 6), maximised (4)
// and not activated (5) cannot be asked for.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "encoding/gbk_conversion.h"
#include "launcher/command_line.h"
#include "launcher/run_program.h"

namespace launcher {
namespace {

constexpr long readyWaitMilliseconds = 1000;

// Everything the two child processes use, made before forking: between fork and exec only
// async-signal-safe calls are allowed, as the caller may have other threads, so nothing there
// may allocate.
struct Launch {
  std::vector<std::string> words;  // the program, then its arguments
  std::vector<char*> argv;
  std::vector<std::string> programFiles;  // where to look for the program, in order
  char** environment = environ;
};

// The files that posix_spawnp would try: the name itself when it holds a slash, else the name
// in each folder of PATH in turn, an empty entry meaning the current directory.
std::vector<std::string> programFilesFor(const std::string& program) {
  if (program.find('/') != std::string::npos) return {program};
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "/bin:/usr/bin";
  std::vector<std::string> files;
  for (;;) {
    std::size_t colon = folders.find(':');
    std::string_view folder = folders.substr(0, colon);
    files.push_back((folder.empty() ? std::string(".") : std::string(folder)) + "/" + program);
    if (colon == std::string_view::npos) return files;
    folders.remove_prefix(colon + 1);
  }
}

void report(int pipe, int error) {
  [[maybe_unused]] ssize_t written = write(pipe, &error, sizeof error);
}

// The grandchild: becomes the program, or reports through `errorPipe` why it could not.
[[noreturn]] void becomeProgram(const Launch& launch, int errorPipe) {
  // Its own session: a hang-up or Ctrl+C meant for the caller's terminal does not end it.
  setsid();
  // A fresh start, whatever the caller had set up: every signal at its default action and
  // none blocked (the caller's handlers are no use here, and what it ignores or blocks is its
  // own business).
  struct sigaction defaults {};
  defaults.sa_handler = SIG_DFL;
  for (int signal = 1; signal < NSIG; ++signal) sigaction(signal, &defaults, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  // Like CreateProcess without handle inheritance: only standard input, output and error go
  // on to the program (the error pipe is closed by the exec). Kernels before 5.11 lack this.
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
  int error = ENOENT;
  bool denied = false;
  for (const std::string& file : launch.programFiles) {
    execve(file.c_str(), launch.argv.data(), launch.environment);
    error = errno;
    if (error == EACCES)
      denied = true;
    else if (error != ENOENT && error != ENOTDIR && error != ESTALE && error != ENODEV &&
             error != ETIMEDOUT)
      break;  // found but not runnable: never handed to a shell
  }
  report(errorPipe, denied ? EACCES : error);
  _exit(127);
}

// Waits until the program has ended (and reaps it) or `milliseconds` have passed. It polls, as
// sleeping is the only async-signal-safe wait with a time limit.
void waitAtMost(pid_t program, long milliseconds) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const long long deadline = now.tv_sec * 1'000'000'000LL + now.tv_nsec + milliseconds * 1'000'000;
  constexpr timespec pause{0, 2'000'000};
  while (waitpid(program, nullptr, WNOHANG) == 0) {
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (now.tv_sec * 1'000'000'000LL + now.tv_nsec >= deadline) return;
    nanosleep(&pause, nullptr);
  }
}

// The intermediate: starts the program and waits for it as runProgram promises, then ends.
[[noreturn]] void superviseProgram(const Launch& launch, int errorPipe, bool waitForExit) {
  // _Fork runs no fork handlers, which need not be async-signal-safe.
  pid_t program = _Fork();
  if (program == 0) becomeProgram(launch, errorPipe);
  if (program < 0) {
    report(errorPipe, errno);
    _exit(127);
  }
  close(errorPipe);
  if (waitForExit)
    while (waitpid(program, nullptr, 0) < 0 && errno == EINTR) {
    }
  else
    waitAtMost(program, readyWaitMilliseconds);
  _exit(0);
}

}  // namespace

bool runProgram(const std::string& commandLine, bool waitForExit, std::int32_t /*showMode*/) {
  Launch launch;
  launch.words =
      splitCommandLine(encoding::gbkToUtf8(commandLine.substr(0, commandLine.find('\0'))));
  if (launch.words.empty() || launch.words.front().empty()) return false;
  for (std::string& word : launch.words) launch.argv.push_back(word.data());
  launch.argv.push_back(nullptr);
  launch.programFiles = programFilesFor(launch.words.front());

  int errorPipe[2];
  if (pipe2(errorPipe, O_CLOEXEC) != 0) return false;
  // No handler of the caller's may run in the children before the exec.
  sigset_t all;
  sigset_t callerSignalMask;
  sigfillset(&all);
  pthread_sigmask(SIG_SETMASK, &all, &callerSignalMask);
  pid_t supervisor = fork();
  if (supervisor == 0) {
    close(errorPipe[0]);
    superviseProgram(launch, errorPipe[1], waitForExit);
  }
  pthread_sigmask(SIG_SETMASK, &callerSignalMask, nullptr);
  close(errorPipe[1]);
  bool started = false;
  if (supervisor > 0) {
    // The pipe closes without a report once the program's exec has succeeded.
    int error = 0;
    ssize_t received;
    while ((received = read(errorPipe[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    started = received == 0;
    while (waitpid(supervisor, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  close(errorPipe[0]);
  return started;
}

std::string webBrowserCommand(std::string_view /*preferredBrowser*/) {
  // No Windows program path means anything here; xdg-open hands the address to the browser the
  // user has chosen.
  return "xdg-open";
}

}  // namespace launcher
