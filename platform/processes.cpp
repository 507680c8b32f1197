#include "platform/processes.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/dos_file_system.h"
#include "platform/utf8.h"

namespace pekto {

namespace fs = std::filesystem;

namespace {

constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kNoAssociation = 31;

int ShellErrorOf(int error_number) {
  if (error_number == ENOENT || error_number == ENOTDIR) return kFileNotFound;
  if (error_number == EACCES || error_number == EPERM) return kAccessDenied;
  return error_number;
}

// In the child after fork only async-signal-safe calls: every string is
// prepared before. The exec error travels back through a close-on-exec pipe.
[[noreturn]] void ExecChild(const char* dir, char* const argv[], int error_pipe, bool detach) {
  if (detach) {
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) {
      const int error = errno;
      (void)!::write(error_pipe, &error, sizeof error);
    }
    if (grandchild != 0) ::_exit(0);
  }
  if (dir[0] != '\0' && ::chdir(dir) != 0) {
    const int error = errno;
    (void)!::write(error_pipe, &error, sizeof error);
    ::_exit(127);
  }
  ::execv(argv[0], argv);
  const int error = errno;
  (void)!::write(error_pipe, &error, sizeof error);
  ::_exit(127);
}

}  // namespace

LaunchResult SpawnHostProgram(const fs::path& program, const std::vector<std::string>& arguments,
                              const fs::path& working_directory, LaunchMode mode) {
  std::vector<std::string> strings{program.string()};
  strings.insert(strings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  const std::string dir = working_directory.string();
  int pipe_fds[2];
  if (::pipe2(pipe_fds, O_CLOEXEC) != 0) return {false, ShellErrorOf(errno), 0};
  const bool detach = mode == LaunchMode::Detached;
  const pid_t pid = ::fork();
  if (pid < 0) {
    const int error = errno;
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    return {false, ShellErrorOf(error), 0};
  }
  if (pid == 0) ExecChild(dir.c_str(), argv.data(), pipe_fds[1], detach);
  ::close(pipe_fds[1]);
  int exec_error = 0;
  const ssize_t got = ::read(pipe_fds[0], &exec_error, sizeof exec_error);
  ::close(pipe_fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (got == static_cast<ssize_t>(sizeof exec_error)) return {false, ShellErrorOf(exec_error), 0};
  const int exit_code = (!detach && WIFEXITED(status)) ? WEXITSTATUS(status) : 0;
  return {true, 0, exit_code};
}

LaunchResult HostProgramStarter::Start(const ProgramLaunch& launch) {
  auto host = files_.HostPath(launch.program);
  if (!host) return {false, kFileNotFound, 0};
  std::error_code error;
  if (!fs::is_regular_file(*host, error)) {
    const std::string name = host->filename().string();
    const std::string folded = FoldCase(name);
    if (folded.size() > 4 && folded.ends_with(".exe")) {
      host = files_.HostPath(launch.program.substr(0, launch.program.size() - 4));
    }
  }
  if (!host || !fs::is_regular_file(*host, error)) return {false, kFileNotFound, 0};
  fs::path dir;
  if (!launch.working_directory.empty()) dir = files_.HostPath(launch.working_directory).value_or(fs::path());
  return SpawnHostProgram(*host, launch.arguments, dir, launch.mode);
}

LaunchResult HostDocumentOpener::Open(std::string_view document) {
  std::string target(document);
  const bool url = target.find("://") != std::string::npos;
  if (!url) {
    const auto host = files_.HostPath(document);
    std::error_code error;
    if (!host || !fs::exists(*host, error)) return {false, kFileNotFound, 0};
    target = host->string();
  }
  const LaunchResult result = SpawnHostProgram("/usr/bin/xdg-open", {target}, {}, LaunchMode::Detached);
  if (!result.started && result.error_code == kFileNotFound) return {false, kNoAssociation, 0};
  return result;
}

}  // namespace pekto
