// The guard on Windows: a process of its own that waits on the program's process handle,
// which is signalled however the program ends, and reads the program's events from a
// named pipe on its standard input. A pipe's hang-up alone would not do: a write end that
// another child of the program inherited keeps the pipe open after the program is gone.

#include "guard/windows/GuardProcess.h"

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "guard/GuardedHostFactory.h"

namespace quendal::guard {
namespace {

class PipeGuard final : public GuardLine {
 public:
  explicit PipeGuard(HANDLE pipe) : pipe_(pipe) {}
  ~PipeGuard() override { CloseHandle(pipe_); }
  // The pipe does not wait (PIPE_NOWAIT): a guard that stopped reading costs a lost byte.
  void Tell(Event event) override {
    const char byte = Encode(event);
    DWORD written = 0;
    (void)WriteFile(pipe_, &byte, 1, &written, nullptr);
  }

 private:
  HANDLE pipe_;
};

struct Channel {
  HANDLE guardEnd = nullptr;  // inheritable, read overlapped by the guard
  HANDLE programEnd = nullptr;
};

// Named, because only a named pipe can be read overlapped, which lets the guard wait on
// the pipe and the program's process at once; of a name of its own, refused to anyone who
// made that name first and to other machines.
bool OpenChannel(Channel& channel) {
  static std::atomic<unsigned> made{0};
  const std::wstring name = L"\\\\.\\pipe\\quendal-guard-" +
                            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(made++);
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  channel.guardEnd = CreateNamedPipeW(
      name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
      PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 0, 4096, 0,
      &inherited);
  if (channel.guardEnd == INVALID_HANDLE_VALUE) return false;
  channel.programEnd =
      CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (channel.programEnd == INVALID_HANDLE_VALUE) {
    CloseHandle(channel.guardEnd);
    return false;
  }
  DWORD mode = PIPE_READMODE_BYTE | PIPE_NOWAIT;
  SetNamedPipeHandleState(channel.programEnd, &mode, nullptr, nullptr);
  return true;
}

std::wstring ExecutableFolder() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
  if (length == 0 || length >= path.size()) return {};
  path.resize(length);
  return path.substr(0, path.rfind(L'\\') + 1);
}

// nullptr when it cannot be had.
HANDLE Inheritable(HANDLE handle, DWORD access, DWORD options) {
  HANDLE copy = nullptr;
  const HANDLE self = GetCurrentProcess();
  if (!DuplicateHandle(self, handle, self, &copy, access, TRUE, options)) return nullptr;
  return copy;
}

// The program's standard error, where the guard says what it did; nullptr when there is
// none, as for a desktop program.
HANDLE InheritableErrors() {
  const HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
  if (errors == nullptr || errors == INVALID_HANDLE_VALUE) return nullptr;
  return Inheritable(errors, 0, DUPLICATE_SAME_ACCESS);
}

// In a process group of its own and with no console window, so the console's Ctrl-C that
// ends the program does not end its guard and a desktop program shows no console; out of
// the program's job where the job allows it, so closing the job does not take it along.
bool Spawn(const std::wstring& folder, std::wstring command, HANDLE input) {
  HANDLE errors = InheritableErrors();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdError = errors;
  PROCESS_INFORMATION process{};
  const std::wstring executable = folder + L"quendal-guard.exe";
  const auto create = [&](DWORD flags) {
    return CreateProcessW(executable.c_str(), command.data(), nullptr, nullptr, TRUE,
                          flags | CREATE_NEW_PROCESS_GROUP | CREATE_NO_WINDOW, nullptr,
                          folder.c_str(), &startup, &process) != FALSE;
  };
  // A job that forbids breaking away refuses the flag: the guard then stays in it.
  const bool started = create(CREATE_BREAKAWAY_FROM_JOB) || create(0);
  if (errors != nullptr) CloseHandle(errors);
  if (!started) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

std::shared_ptr<GuardLine> StartGuard(const std::wstring& arguments) {
  const std::wstring folder = ExecutableFolder();
  HANDLE self = Inheritable(GetCurrentProcess(), SYNCHRONIZE, 0);
  Channel channel;
  if (folder.empty() || self == nullptr || !OpenChannel(channel)) {
    if (self != nullptr) CloseHandle(self);
    return nullptr;
  }
  const std::wstring command = L"quendal-guard " + arguments + L" --parent " +
                               std::to_wstring(reinterpret_cast<std::uintptr_t>(self));
  const bool started = Spawn(folder, command, channel.guardEnd);
  CloseHandle(self);
  CloseHandle(channel.guardEnd);
  if (!started) {
    CloseHandle(channel.programEnd);
    return nullptr;
  }
  return std::make_shared<PipeGuard>(channel.programEnd);
}

std::shared_ptr<GuardLine> LaunchGuard(const HostChoice& choice) {
  // The drivers' names and addresses are plain ASCII.
  const std::string host =
      choice.address.empty() ? choice.driver : choice.driver + "=" + choice.address;
  return StartGuard(L"--host " + std::wstring(host.begin(), host.end()));
}

}  // namespace quendal::guard
