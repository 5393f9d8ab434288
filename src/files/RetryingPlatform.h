// The platform with patience for short holds.
//
// Virus scanners and search indexers open a file for a moment right after it was written, and
// Flight Simulator's own tools may do the same: a call made then fails with a sharing or lock
// violation (or, on a file of ours that was just written, with access denied). Such a call is
// tried again for about a second before its error stands. A file held longer still fails, so
// that the user hears of it quickly. The waits go through Platform::Wait.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace files {

// The waits between the tries of one call, in milliseconds: about a second in all.
inline constexpr unsigned kRetryWaits[] = {50, 100, 150, 200, 250, 250};

// True for the program's own short-lived files beside a replaced one (files::TempPathFor and
// OldPathFor), the only ones that it writes and at once touches again: a scanner that has just
// opened one can make Windows answer access denied as well.
bool IsTemporaryFile(const std::string& path);

// Forwards every call to `inner`; the file calls that fail because another program holds the
// file are tried again. Calls that change a file in place through a WritableFile are not: the
// program holds that file without sharing.
class RetryingPlatform : public platform::Platform {
  public:
    explicit RetryingPlatform(platform::Platform& inner) : inner_(inner) {}

    std::optional<uint32_t> GetAttributes(const std::string& path) override;
    platform::OsResult SetAttributes(const std::string& path, uint32_t attributes) override;
    bool AnyMatch(const std::string& pattern) override;
    platform::OsResult CopyFile(const std::string& from, const std::string& to,
                                bool failIfExists) override;
    platform::OsResult ReadWholeFile(const std::string& path, std::string& bytes) override;
    platform::OsResult WriteNewFile(const std::string& path, const std::string& bytes) override;
    platform::OsResult ReplaceFile(const std::string& target, const std::string& replacement,
                                   const std::string& backup) override;
    platform::OsResult MoveFile(const std::string& from, const std::string& to,
                                bool replaceExisting) override;
    platform::OsResult OpenForWriting(const std::string& path,
                                      std::unique_ptr<platform::WritableFile>& file) override;
    platform::OsResult DeleteFile(const std::string& path) override;
    void Wait(unsigned milliseconds) override { inner_.Wait(milliseconds); }

    bool KeyExists(const std::string& subkey) override { return inner_.KeyExists(subkey); }
    platform::RegistryRead ReadValue(const std::string& subkey,
                                     const std::string& valueName) override {
        return inner_.ReadValue(subkey, valueName);
    }
    int ShowMessage(const std::string& text, const std::string& caption, unsigned style) override {
        return inner_.ShowMessage(text, caption, style);
    }
    intptr_t OpenProgram(const std::string& file, const std::string& parameters,
                         const std::string& directory) override {
        return inner_.OpenProgram(file, parameters, directory);
    }
    std::string ProgramFolder() override { return inner_.ProgramFolder(); }
    std::string NameKey(std::string_view name) override { return inner_.NameKey(name); }
    bool IsLeadByte(unsigned char byte) override { return inner_.IsLeadByte(byte); }

  private:
    // Runs `call` until it succeeds, fails for another reason, or the waits are used up.
    // `freshFile` is the path whose access denied also counts as a hold.
    template <class Call>
    platform::OsResult Patiently(const std::string& freshFile, Call call);

    platform::Platform& inner_;
};

}  // namespace files
