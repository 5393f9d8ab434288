// The operating-system seam: everything the commands need of Windows, as a thin interface.
//
// Portable code (everything outside src/platform/Win32*, src/ui and the window modules) talks to
// the system only through this interface, so that it runs and is tested natively against the
// in-memory fake in tests/fake. Win32Platform maps each call onto the Windows API it names;
// PosixPlatform maps the file calls onto POSIX for the benchmark.
//
// Errors are carried as Windows error codes (the values below), the same on every platform,
// and turned into text once, where the user sees them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Windows error codes that the program tells apart. Other codes pass through unchanged.
namespace error {
inline constexpr uint32_t kNone = 0;
inline constexpr uint32_t kFileNotFound = 2;
inline constexpr uint32_t kPathNotFound = 3;
inline constexpr uint32_t kAccessDenied = 5;
inline constexpr uint32_t kNotEnoughMemory = 8;
inline constexpr uint32_t kSharingViolation = 32;
inline constexpr uint32_t kLockViolation = 33;
inline constexpr uint32_t kHandleDiskFull = 39;
inline constexpr uint32_t kDiskFull = 112;
inline constexpr uint32_t kInvalidName = 123;
inline constexpr uint32_t kAlreadyExists = 183;
inline constexpr uint32_t kFilenameTooLong = 206;
inline constexpr uint32_t kMoreData = 234;
// ReplaceFileA's own failures (see Platform::ReplaceFile).
inline constexpr uint32_t kUnableToRemoveReplaced = 1175;
inline constexpr uint32_t kUnableToMoveReplacement = 1176;
inline constexpr uint32_t kUnableToMoveReplacement2 = 1177;
}  // namespace error

// The longest path, in bytes, that the ANSI Windows file calls accept (MAX_PATH less the
// terminator). Longer paths are refused with a message before any file is touched.
inline constexpr std::size_t kMaxPathLength = 259;

// Outcome of one system call: ok, or the Windows error code that made it fail.
struct OsResult {
    uint32_t code = error::kNone;
    bool ok() const { return code == error::kNone; }
    static OsResult Ok() { return {}; }
    static OsResult Fail(uint32_t c) { return {c == error::kNone ? 1u : c}; }
};

// File attribute bits, as GetFileAttributesA reports them.
namespace attr {
inline constexpr uint32_t kReadOnly = 0x01;
inline constexpr uint32_t kHidden = 0x02;
inline constexpr uint32_t kSystem = 0x04;
inline constexpr uint32_t kDirectory = 0x10;
inline constexpr uint32_t kArchive = 0x20;
}  // namespace attr

// Message box styles and answers, with the values of MessageBoxA.
namespace mb {
inline constexpr unsigned kOk = 0x00;
inline constexpr unsigned kYesNo = 0x04;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconWarning = 0x30;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr unsigned kButtonsMask = 0x0F;
inline constexpr unsigned kIconMask = 0xF0;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

// Registry value types (REG_SZ, REG_EXPAND_SZ, REG_DWORD).
namespace reg {
inline constexpr uint32_t kString = 1;
inline constexpr uint32_t kExpandString = 2;
inline constexpr uint32_t kDword = 4;
}  // namespace reg

// What one lookup of a value under HKEY_LOCAL_MACHINE found.
struct RegistryRead {
    bool keyOpened = false;    // the key opened for reading
    bool valueExists = false;  // the value exists under the key
    uint32_t type = 0;         // registry type of the value
    std::string data;          // the value's bytes, as stored (no terminator added or removed)
    OsResult readError;        // a failed read of an existing value's data
};

// An existing file opened for writing in place, with no sharing; closed when destroyed.
class WritableFile {
  public:
    virtual ~WritableFile() = default;
    // SetFilePointerEx + SetEndOfFile: makes the file `size` bytes long. Growing it reserves the
    // disk space, so that a full disk fails here rather than in the middle of a write.
    virtual OsResult SetSize(uint64_t size) = 0;
    // Writes all bytes from the start of the file. On failure part of them may have been written.
    virtual OsResult WriteFromStart(const std::string& bytes) = 0;
    // FlushFileBuffers.
    virtual OsResult Flush() = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // --- Files. Paths are ANSI-code-page texts with backslashes, as Windows takes them. ---

    // GetFileAttributesA: the attribute bits, or nothing when no file or folder has that name.
    virtual std::optional<uint32_t> GetAttributes(const std::string& path) = 0;
    // SetFileAttributesA.
    virtual OsResult SetAttributes(const std::string& path, uint32_t attributes) = 0;
    // FindFirstFileA + FindClose: true when at least one entry matches the pattern
    // (e.g. "C:\dir\*.bgl"), false when none does or the folder is missing or unreadable.
    virtual bool AnyMatch(const std::string& pattern) = 0;
    // CopyFileA.
    virtual OsResult CopyFile(const std::string& from, const std::string& to,
                              bool failIfExists) = 0;
    // Reads a whole file, opened for reading with read sharing only (others may read, none may
    // write meanwhile). On failure `bytes` is unspecified.
    virtual OsResult ReadWholeFile(const std::string& path, std::string& bytes) = 0;
    // Creates or truncates the file, opened without sharing, writes all bytes and flushes them to
    // disk. On failure part of the bytes may have been written: the caller removes the file.
    virtual OsResult WriteNewFile(const std::string& path, const std::string& bytes) = 0;
    // ReplaceFileA(target, replacement, backup, 0): puts `replacement` in the place of the
    // existing `target`, which is renamed to `backup` (none when empty). A read-only or locked
    // target makes it fail with nothing changed; so do most other failures. The exceptions, as
    // Windows documents them: error::kUnableToMoveReplacement (with a backup name nothing
    // changed; without one `target` is gone) and error::kUnableToMoveReplacement2 (`target` was
    // renamed to `backup`, or to a name of the system's without one; `replacement` keeps its
    // name). In both `replacement` still holds the new bytes.
    virtual OsResult ReplaceFile(const std::string& target, const std::string& replacement,
                                 const std::string& backup) = 0;
    // MoveFileExA with MOVEFILE_WRITE_THROUGH: renames a file. Fails when `to` exists, unless
    // `replaceExisting` (MOVEFILE_REPLACE_EXISTING).
    virtual OsResult MoveFile(const std::string& from, const std::string& to,
                              bool replaceExisting) = 0;
    // CreateFileA(OPEN_EXISTING, GENERIC_WRITE, no sharing): opens an existing file for writing
    // in place. A read-only file fails with access denied.
    virtual OsResult OpenForWriting(const std::string& path,
                                    std::unique_ptr<WritableFile>& file) = 0;
    // DeleteFileA.
    virtual OsResult DeleteFile(const std::string& path) = 0;

    // --- Time. ---

    // Sleep: waits before a file call is tried again.
    virtual void Wait(unsigned milliseconds) = 0;

    // --- Registry, HKEY_LOCAL_MACHINE, 32-bit view, read only. ---

    // RegOpenKeyExA (KEY_READ | KEY_WOW64_32KEY) and RegCloseKey: true when the key opens.
    virtual bool KeyExists(const std::string& subkey) = 0;
    // Opens the key and reads one value (RegQueryValueExA).
    virtual RegistryRead ReadValue(const std::string& subkey, const std::string& valueName) = 0;

    // --- User interface. ---

    // MessageBoxA without owner window; returns the button pressed (mb::kIdOk, kIdYes, kIdNo).
    virtual int ShowMessage(const std::string& text, const std::string& caption,
                            unsigned style) = 0;

    // --- Programs. ---

    // ShellExecuteA with "open", no owner window and SW_SHOWNORMAL; returns its result
    // (greater than 32 when the program was started).
    virtual intptr_t OpenProgram(const std::string& file, const std::string& parameters,
                                 const std::string& directory) = 0;
    // The folder of this program's executable, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;

    // --- Text in the ANSI code page. ---

    // A key under which two names are equal exactly when CompareStringA with the user's locale
    // and NORM_IGNORECASE finds them equal (LCMapStringA's sort key).
    virtual std::string NameKey(std::string_view name) = 0;
    // IsDBCSLeadByte: true when the byte starts a double-byte character in the ANSI code page.
    virtual bool IsLeadByte(unsigned char byte) = 0;
};

// True when a file, not a folder, of that name exists.
bool FileExists(Platform& platform, const std::string& path);

}  // namespace platform
