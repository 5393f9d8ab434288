// The platform seam on Windows: each call maps onto the Windows API named in Platform.h.
#pragma once

#include "platform/Platform.h"

namespace platform {

class Win32Platform : public Platform {
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

    bool KeyExists(const std::string& subkey) override;
    RegistryRead ReadValue(const std::string& subkey, const std::string& valueName) override;

    int ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;

    intptr_t OpenProgram(const std::string& file, const std::string& parameters,
                         const std::string& directory) override;
    std::string ProgramFolder() override;

    std::string NameKey(std::string_view name) override;
    bool IsLeadByte(unsigned char byte) override;
};

}  // namespace platform
