// An in-memory stand-in for the operating system, for unit tests.
//
// Files and folders live in a map with Windows' rules that matter here: names compare without
// regard to ASCII case, folders are not files, a read-only file cannot be written or replaced, a
// file held open by another program (share mode 0) cannot be read, copied, written or replaced.
// Real Windows adds, and the fake models:
// - short holds: a file held by another program for a while (a scanner opening every freshly
//   written file, say), measured on a clock that only Wait advances, so tests do not sleep;
// - UAC file virtualization of a folder: writes go to a per-user copy made from the real file
//   at the first write, reads see that copy once it exists, new files are made there, and a file
//   that exists only in the real folder cannot be renamed, replaced or deleted (access denied);
// - ReplaceFileA failing half way (1176, 1177) with the files where Windows documents them.
// Faults can be injected per call. Message boxes are answered from a script and written to a
// transcript; started programs and every file call are recorded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace fake {

// One message box as the program showed it.
struct MessageBox {
    std::string text;
    std::string caption;
    unsigned style = 0;
    unsigned icon() const { return style & platform::mb::kIconMask; }
    unsigned buttons() const { return style & platform::mb::kButtonsMask; }
};

// One program start that succeeded.
struct StartedProgram {
    std::string file;
    std::string parameters;
    std::string directory;
};

// The file calls that the fake records and that faults can be injected into.
// Open, Resize, WriteInPlace and Flush are the in-place write: OpenForWriting and the calls on
// the WritableFile it gives.
enum class FileOp {
    Read,
    Write,
    Replace,
    Copy,
    SetAttributes,
    Delete,
    Move,
    Open,
    Resize,
    WriteInPlace,
    Flush
};
const char* ToString(FileOp op);

struct FileCall {
    FileOp op;
    std::string path;  // the file read, written, replaced (target), copied to, changed or deleted
    std::string from;  // Copy: the source; Replace: the replacement
};

class FakePlatform : public platform::Platform {
  public:
    FakePlatform();

    // --- Setting up the file system. Parent folders are created as needed. ---
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, const std::string& bytes,
                 uint32_t attributes = platform::attr::kArchive);
    void RemoveFile(const std::string& path);
    // Another program holds the file open with share mode 0.
    void HoldOpen(const std::string& path, bool held = true);
    // Another program holds the file for `milliseconds` from now; meanwhile calls on it fail
    // with `code` (sharing violation, or access denied as a scanner can cause).
    void HoldFor(const std::string& path, unsigned milliseconds,
                 uint32_t code = platform::error::kSharingViolation);
    // Every file written or copied from now on is held like that right after, as a virus
    // scanner does; 0 turns it off.
    void ScanNewFiles(unsigned milliseconds, uint32_t code = platform::error::kSharingViolation) {
        scanMs_ = milliseconds;
        scanCode_ = code;
    }
    // Windows virtualizes the folder for the program (see the top of this file). Files in it so
    // far, and those added later with AddFile, are real files.
    void Virtualize(const std::string& folder);
    // New files cannot be created in this folder (access denied).
    void DenyCreate(const std::string& folder);
    // Total bytes that files may take; a write beyond it fails with "disk full" part-way.
    void SetDiskCapacity(std::optional<std::size_t> bytes) { capacity_ = bytes; }

    // --- Looking at the file system. ---
    bool HasFile(const std::string& path) const;
    // The file's bytes; a test failure and "" when there is no such file.
    std::string Bytes(const std::string& path) const;
    uint32_t Attributes(const std::string& path) const;
    // The paths of all files, as they were named when created, in name order; virtual copies
    // are listed as "VirtualStore:" and their path.
    std::vector<std::string> Files() const;
    // In a virtualized folder: the real file's bytes, and whether a virtual copy exists.
    std::string RealBytes(const std::string& path) const;
    bool HasVirtualCopy(const std::string& path) const;
    // Milliseconds waited so far.
    uint64_t now() const { return now_; }

    // --- Faults. ---
    // Makes the next call of that kind whose path (see FileCall) contains `pathPart` fail with
    // `code`, after `skip` such calls have succeeded. A failing Write first writes half of its
    // bytes; a failing Copy leaves an empty destination when the code is disk full. `times`
    // such calls fail in a row (-1: all of them).
    void FailNext(FileOp op, const std::string& pathPart, uint32_t code, int skip = 0,
                  int times = 1);
    // Makes the call with this index in calls() fail with `code`, whatever its kind. With
    // `forMs`, the calls of the same kind on the same file go on failing for that long from then
    // (a hold, when the code is a sharing violation); kForever for good.
    // A Replace failing with 1176 or 1177 leaves the files as Windows documents it.
    static constexpr unsigned kForever = ~0u;
    void FailCallAt(std::size_t index, uint32_t code, unsigned forMs = 0);
    // ReplaceFile acts as if it had been given no backup name (what Windows does then).
    void IgnoreReplaceBackupName(bool on = true) { ignoreBackupName_ = on; }
    const std::vector<FileCall>& calls() const { return calls_; }

    // --- Registry (HKEY_LOCAL_MACHINE, 32-bit view). ---
    void AddKey(const std::string& subkey);
    void SetValue(const std::string& subkey, const std::string& name, uint32_t type,
                  const std::string& data);
    void SetString(const std::string& subkey, const std::string& name, const std::string& text);
    void FailValueRead(const std::string& subkey, const std::string& name, uint32_t code);

    // --- Message boxes. ---
    // Answers to the questions (Yes/No boxes), in order. Boxes with one OK button need none.
    void Answer(std::initializer_list<int> answers);
    void AnswerYes(int count = 1);
    void AnswerNo() { Answer({platform::mb::kIdNo}); }
    const std::vector<MessageBox>& transcript() const { return transcript_; }
    std::size_t unansweredQuestions() const { return answers_.size(); }
    // Runs when a box is shown, before it is answered.
    std::function<void(const MessageBox&)> onMessage;

    // --- Programs. ---
    const std::vector<StartedProgram>& started() const { return started_; }
    // Result of the next starts instead of the normal one (42 when the file exists, 2 when not).
    void SetStartResult(std::optional<intptr_t> result) { startResult_ = result; }
    void SetProgramFolder(const std::string& folder) { programFolder_ = folder; }

    // --- Code page. ---
    // Japanese code page 932: bytes 0x81-0x9F and 0xE0-0xFC start double-byte characters.
    void UseCodePage932(bool on = true) { codePage932_ = on; }

    // --- Platform. ---
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
    void Wait(unsigned milliseconds) override { now_ += milliseconds; }
    bool KeyExists(const std::string& subkey) override;
    platform::RegistryRead ReadValue(const std::string& subkey,
                                     const std::string& valueName) override;
    int ShowMessage(const std::string& text, const std::string& caption, unsigned style) override;
    intptr_t OpenProgram(const std::string& file, const std::string& parameters,
                         const std::string& directory) override;
    std::string ProgramFolder() override { return programFolder_; }
    std::string NameKey(std::string_view name) override;
    bool IsLeadByte(unsigned char byte) override;

  private:
    friend class FakeWritableFile;
    struct File {
        std::string name;
        std::string bytes;
        uint32_t attributes = platform::attr::kArchive;
        uint64_t heldUntil = 0;  // held by another program until then (the clock's time)
        uint32_t heldCode = 0;
        bool openForWriting = false;  // by this program, through OpenForWriting
    };
    struct Fault {
        FileOp op;
        std::string pathPart;
        uint32_t code;
        int skip;
        int times;
    };
    struct StickyFault {
        FileOp op;
        std::string key;
        uint32_t code;
        uint64_t until;
    };
    struct RegValue {
        uint32_t type;
        std::string data;
        uint32_t readError = 0;
    };

    std::string Key(const std::string& path) const;
    static std::string Parent(const std::string& path);
    bool InVirtualFolder(const std::string& path) const;
    // The key of the file that the program sees at the path: the virtual copy when there is one.
    std::string VisibleKey(const std::string& path) const;
    // The key that a write to the path changes or creates; in a virtualized folder it makes
    // the virtual copy of a real file first.
    std::string KeyForWrite(const std::string& path);
    // A file that exists only in a virtualized folder's real part: it cannot be renamed,
    // replaced or deleted.
    bool RealOnly(const std::string& path) const;
    File* Find(const std::string& path);
    const File* Find(const std::string& path) const;
    // The error of a call on a file that another program holds, if it does.
    std::optional<uint32_t> Held(const File& file) const;
    void HoldIfScanned(const std::string& path);
    bool FolderExists(const std::string& path) const;
    std::size_t UsedBytes() const;
    // Records the call and answers whether an injected fault hits it.
    std::optional<uint32_t> Record(FileOp op, const std::string& path, const std::string& from);
    // Writes bytes to a new or existing file within the disk capacity; false when it is full.
    bool Store(const std::string& path, const std::string& bytes);
    platform::OsResult CanCreateOrWrite(const std::string& path) const;
    platform::OsResult ReplaceFailingHalfWay(uint32_t code, const std::string& target,
                                             const std::string& replacement,
                                             const std::string& backup);

    std::map<std::string, File> files_;
    std::set<std::string> folders_;
    std::set<std::string> deniedFolders_;
    std::optional<std::size_t> capacity_;
    std::vector<Fault> faults_;
    std::map<std::size_t, std::pair<uint32_t, unsigned>> faultsAt_;
    std::vector<StickyFault> sticky_;
    std::set<std::string> virtualFolders_;
    uint64_t now_ = 0;
    unsigned scanMs_ = 0;
    uint32_t scanCode_ = platform::error::kSharingViolation;
    bool ignoreBackupName_ = false;
    std::vector<FileCall> calls_;
    std::map<std::string, std::map<std::string, RegValue>> registry_;
    std::deque<int> answers_;
    std::vector<MessageBox> transcript_;
    std::vector<StartedProgram> started_;
    std::optional<intptr_t> startResult_;
    std::string programFolder_ = "C:\\Velport5";
    bool codePage932_ = false;
};

}  // namespace fake
