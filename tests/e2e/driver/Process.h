// A program started by the driver. The destructor ends it if it is still running, so a test
// that fails half way leaves nothing behind; it never touches any other process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace e2e {

class Process {
  public:
    // CreateProcessA of `exe` with the command line "\"exe\"", started in `workingFolder`.
    // Throws std::runtime_error when it cannot be started.
    static Process Start(const std::string& exe, const std::string& workingFolder);

    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    uint32_t Id() const { return id_; }
    bool Running() const;
    // Waits up to `timeoutMs` for the process to end; true when it has ended.
    bool WaitExit(int timeoutMs) const;
    // The exit code once the process has ended, nothing while it runs.
    std::optional<uint32_t> ExitCode() const;
    // Ends the process if it still runs and waits for it.
    void Terminate();

  private:
    Process(void* handle, uint32_t id) : handle_(handle), id_(id) {}
    void* handle_ = nullptr;
    uint32_t id_ = 0;
};

}  // namespace e2e
