#include "driver/Process.h"

#include <windows.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "driver/Text.h"

namespace e2e {

Process Process::Start(const std::string& exe, const std::string& workingFolder) {
    std::string commandLine = "\"" + exe + "\"";
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start \"" + exe + "\": " + ErrorText(GetLastError()));
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Terminate();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() {
    Terminate();
}

bool Process::Running() const {
    return handle_ != nullptr && !WaitExit(0);
}

bool Process::WaitExit(int timeoutMs) const {
    return handle_ == nullptr ||
           WaitForSingleObject(handle_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

std::optional<uint32_t> Process::ExitCode() const {
    DWORD code = 0;
    if (handle_ == nullptr || !WaitExit(0) || !GetExitCodeProcess(handle_, &code)) {
        return std::nullopt;
    }
    return code;
}

void Process::Terminate() {
    if (handle_ == nullptr) {
        return;
    }
    if (!WaitExit(0)) {
        TerminateProcess(handle_, 99);
        WaitForSingleObject(handle_, 10000);
    }
    CloseHandle(handle_);
    handle_ = nullptr;
}

}  // namespace e2e
