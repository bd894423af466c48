#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace {

void closeFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command,
                           std::optional<std::size_t> addressSpaceBytes) {
  // A child that ends before reading all its input must not take the test down with it.
  signal(SIGPIPE, SIG_IGN);
  int in[2], out[2], err[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);

  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    if (addressSpaceBytes) {
      const rlimit limit{*addressSpaceBytes, *addressSpaceBytes};
      setrlimit(RLIMIT_AS, &limit);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  input_ = in[1];
  output_ = out[0];
  errors_ = err[0];
  fcntl(input_, F_SETFL, O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
  closeFd(input_);
  closeFd(output_);
  closeFd(errors_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void ChildProcess::send(std::string_view input) {
  unsent_.append(input);
}

void ChildProcess::closeInput() {
  inputClosing_ = true;
  pump([] { return false; }, std::chrono::milliseconds(0));
}

template <class Done>
void ChildProcess::pump(Done done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (input_ >= 0 && unsentOffset_ == unsent_.size()) {
      unsent_.clear();
      unsentOffset_ = 0;
      if (inputClosing_) closeFd(input_);
    }
    if (done() || (output_ < 0 && errors_ < 0)) return;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() < 0 && timeout.count() > 0) return;

    pollfd fds[3] = {
        {output_, POLLIN, 0}, {errors_, POLLIN, 0}, {unsent_.empty() ? -1 : input_, POLLOUT, 0}};
    const int ready = poll(fds, 3, timeout.count() == 0 ? 0 : static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return;
    if (fds[2].revents & (POLLOUT | POLLERR | POLLHUP)) {
      const ssize_t wrote =
          write(input_, unsent_.data() + unsentOffset_, unsent_.size() - unsentOffset_);
      if (wrote > 0) {
        unsentOffset_ += static_cast<std::size_t>(wrote);
      } else if (wrote < 0 && errno == EPIPE) {
        unsentOffset_ = unsent_.size();  // the child has stopped reading
        inputClosing_ = true;
      }
    }
    char buffer[65536];
    for (auto [fd, text] : {std::pair{&output_, &out_}, std::pair{&errors_, &err_}}) {
      const pollfd& polled = fd == &output_ ? fds[0] : fds[1];
      if (!(polled.revents & (POLLIN | POLLHUP | POLLERR))) continue;
      const ssize_t got = read(*fd, buffer, sizeof buffer);
      if (got > 0) text->append(buffer, static_cast<std::size_t>(got));
      if (got == 0) closeFd(*fd);
    }
  }
}

std::optional<std::string> ChildProcess::nextLine(std::chrono::milliseconds timeout) {
  pump([&] { return out_.find('\n', outRead_) != std::string::npos; }, timeout);
  const std::size_t end = out_.find('\n', outRead_);
  if (end == std::string::npos) return std::nullopt;
  std::string line = out_.substr(outRead_, end - outRead_);
  outRead_ = end + 1;
  return line;
}

FinishedProcess ChildProcess::finish() {
  inputClosing_ = true;
  pump([] { return false; }, std::chrono::minutes(2));
  closeFd(input_);
  // A child that still holds its outputs open by now hangs; the test reports what it has.
  if (output_ >= 0 || errors_ >= 0) kill(pid_, SIGKILL);
  FinishedProcess finished;
  int status = 0;
  if (waitpid(pid_, &status, 0) == pid_)
    finished.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  pid_ = -1;
  finished.out = out_.substr(outRead_);
  finished.err = err_;
  return finished;
}

std::size_t ChildProcess::peakResidentBytes() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::stoul(line.substr(6)) * 1024;
  return 0;
}

FinishedProcess runProcess(const std::vector<std::string>& command, std::string_view input,
                           std::optional<std::size_t> addressSpaceBytes) {
  ChildProcess child(command, addressSpaceBytes);
  child.send(input);
  return child.finish();
}
