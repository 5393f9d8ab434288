// The file calls of the platform on POSIX, for the benchmark and the fuzzer: real files, with
// Windows paths' backslashes taken as "/". There is no registry, message boxes are answered Yes,
// names fold ASCII case and the code page has single bytes only. Writes are not flushed to disk:
// the benchmark measures the program's own work, not the disk.
#pragma once

#include "platform/Platform.h"

namespace platform {

class PosixPlatform : public Platform {
  public:
    std::optional<uint32_t> GetAttributes(const std::string& path) override;
    OsResult SetAttributes(const std::string& path, uint32_t attributes) override;
    bool AnyMatch(const std::string& pattern) override;
    OsResult CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    OsResult ReadWholeFile(const std::string& path, std::string& bytes) override;
    OsResult WriteNewFile(const std::string& path, const std::string& bytes) override;
    OsResult ReplaceFile(const std::string& target, const std::string& replacement,
                         const std::string& backup) override;
    OsResult MoveFile(const std::string& from, const std::string& to,
                      bool replaceExisting) override;
    OsResult OpenForWriting(const std::string& path, std::unique_ptr<WritableFile>& file) override;
    OsResult DeleteFile(const std::string& path) override;
    void Wait(unsigned milliseconds) override;
    bool KeyExists(const std::string&) override { return false; }
    RegistryRead ReadValue(const std::string&, const std::string&) override { return {}; }
    int ShowMessage(const std::string&, const std::string&, unsigned) override {
        return mb::kIdYes;
    }
    intptr_t OpenProgram(const std::string&, const std::string&, const std::string&) override {
        return error::kFileNotFound;
    }
    std::string ProgramFolder() override { return "."; }
    std::string NameKey(std::string_view name) override;
    bool IsLeadByte(unsigned char) override { return false; }
};

}  // namespace platform
