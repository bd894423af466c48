// Runs a program with pipes on its three standard streams, for tests that drive a real binary.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FinishedProcess {
  int exitCode = -1;  // the status of a normal exit, or -1 after a signal
  std::string out;
  std::string err;
};

class ChildProcess {
 public:
  // `addressSpaceBytes` limits the child's virtual memory, to make memory requests fail.
  explicit ChildProcess(const std::vector<std::string>& command,
                        std::optional<std::size_t> addressSpaceBytes = std::nullopt);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Queued and fed to the child while any of the calls below wait.
  void send(std::string_view input);
  // Standard input ends once what was sent has been written.
  void closeInput();
  // The next line of standard output, without its LF, or nothing if none came in time.
  std::optional<std::string> nextLine(std::chrono::milliseconds timeout);
  // The most memory the running program has held resident since it started, from
  // /proc/PID/status (VmHWM); 0 if unknown. Read it while the child waits for input.
  std::size_t peakResidentBytes() const;
  // Ends the input, collects what is left of both outputs and waits for the child.
  FinishedProcess finish();

 private:
  // Moves data through the pipes until `done` holds, the outputs end or `timeout` passes.
  template <class Done>
  void pump(Done done, std::chrono::milliseconds timeout);

  pid_t pid_ = -1;
  int input_ = -1, output_ = -1, errors_ = -1;
  bool inputClosing_ = false;
  std::string unsent_;
  std::size_t unsentOffset_ = 0;
  std::string out_, err_;
  std::size_t outRead_ = 0;  // how much of out_ nextLine has handed out
};

FinishedProcess runProcess(const std::vector<std::string>& command, std::string_view input = {},
                           std::optional<std::size_t> addressSpaceBytes = std::nullopt);
