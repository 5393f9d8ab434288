#include "files/WholeFile.h"

#include <algorithm>
#include <memory>

#include "files/SiblingFiles.h"

namespace files {
namespace {

namespace error = platform::error;
using platform::OsResult;

WriteResult Done() {
    return {};
}

WriteResult OldInPlace(OsResult result) {
    return {result, Placement::Old, {}, {}};
}

// Removes a file of ours that is no longer needed. A file that cannot be removed does no harm:
// the next save or copy writes over it.
void Discard(platform::Platform& platform, const std::string& path) {
    if (platform.GetAttributes(path))
        platform.DeleteFile(path);
}

// Writes `bytes` over the existing file `target` in place. The disk space is reserved first, so
// that a full disk fails before any byte changes; a failure after that writes the old bytes
// back. When even that fails, the old bytes are kept in the file `rescue` (none when empty).
WriteResult WriteInPlace(platform::Platform& platform, const std::string& target,
                         const std::string& bytes, const std::string& rescue) {
    std::string old;
    if (const OsResult read = platform.ReadWholeFile(target, old); !read.ok())
        return OldInPlace(read);
    std::unique_ptr<platform::WritableFile> file;
    if (const OsResult opened = platform.OpenForWriting(target, file); !opened.ok())
        return OldInPlace(opened);
    if (const OsResult reserved = file->SetSize(std::max(old.size(), bytes.size()));
        !reserved.ok()) {
        file->SetSize(old.size());
        return OldInPlace(reserved);
    }
    OsResult written = file->WriteFromStart(bytes);
    if (written.ok())
        written = file->SetSize(bytes.size());
    if (written.ok())
        written = file->Flush();
    if (written.ok())
        return Done();
    const bool restored =
        file->WriteFromStart(old).ok() && file->SetSize(old.size()).ok() && file->Flush().ok();
    file.reset();
    if (restored)
        return OldInPlace(written);
    WriteResult moved{written, Placement::Moved, {}, {}};
    if (!rescue.empty()) {
        Discard(platform, rescue);
        if (platform.WriteNewFile(rescue, old).ok())
            moved.oldCopy = rescue;
    }
    return moved;
}

// The new bytes: those the caller has at hand, or else the temporary file's.
OsResult NewBytes(platform::Platform& platform, const std::string& temp, const std::string* bytes,
                  std::string& read, const std::string*& fresh) {
    fresh = bytes;
    if (bytes != nullptr)
        return OsResult::Ok();
    const OsResult got = platform.ReadWholeFile(temp, read);
    if (got.ok())
        fresh = &read;
    return got;
}

// Removes the temporary file once the path holds the new bytes or its old ones; otherwise it
// may be the only copy of the new bytes, and it stays.
WriteResult Settle(platform::Platform& platform, const std::string& temp, WriteResult result) {
    if (result.placement != Placement::Moved) {
        Discard(platform, temp);
    } else if (result.newCopy.empty() && platform::FileExists(platform, temp)) {
        result.newCopy = temp;
    }
    return result;
}

// The replace failed with `target` renamed away: to `old` when the system kept that name.
// Puts the new bytes in place, or else the old ones.
WriteResult Recover(platform::Platform& platform, const std::string& target,
                    const std::string& temp, const std::string& old, const std::string* bytes,
                    OsResult failed) {
    std::string read;
    const std::string* fresh = nullptr;
    if (!platform.GetAttributes(target)) {
        if (platform.MoveFile(temp, target, true).ok()) {
            Discard(platform, old);
            return Done();
        }
        // Renames are refused here: a new file may still be made.
        if (NewBytes(platform, temp, bytes, read, fresh).ok()) {
            if (platform.WriteNewFile(target, *fresh).ok()) {
                Discard(platform, old);
                return Settle(platform, temp, Done());
            }
            Discard(platform, target);
        }
    } else if (NewBytes(platform, temp, bytes, read, fresh).ok() &&
               WriteInPlace(platform, target, *fresh, {}).ok()) {
        // A file shows at the path again (in a virtualized folder, the real folder's copy): it
        // is neither the old nor the new one, and now holds the new bytes. The old ones are
        // in `old` already.
        Discard(platform, old);
        return Settle(platform, temp, Done());
    }
    const bool oldKept = platform::FileExists(platform, old);
    if (oldKept && platform.MoveFile(old, target, true).ok())
        return Settle(platform, temp, OldInPlace(failed));
    WriteResult moved{failed, Placement::Moved, oldKept ? old : std::string(), {}};
    return Settle(platform, temp, moved);
}

// Puts the finished temporary file in the place of `target`. `bytes` are its contents when the
// caller has them at hand; otherwise they are read from it when needed.
WriteResult PutInPlace(platform::Platform& platform, const std::string& target,
                       const std::string& temp, const std::string* bytes) {
    if (!platform.GetAttributes(target)) {
        // No replace-existing flag: a file that appeared meanwhile is not overwritten.
        const OsResult moved = platform.MoveFile(temp, target, false);
        return Settle(platform, temp, moved.ok() ? Done() : OldInPlace(moved));
    }
    const std::string old = OldPathFor(target);
    // A leftover of an interrupted run would stand in the replace's way.
    Discard(platform, old);
    const OsResult replaced = platform.ReplaceFile(target, temp, old);
    if (replaced.ok()) {
        Discard(platform, old);
        return Done();
    }
    switch (replaced.code) {
        case error::kSharingViolation:
        case error::kLockViolation:
            // Another program holds a file, still after the waits: nothing changed.
            return Settle(platform, temp, OldInPlace(replaced));
        case error::kUnableToMoveReplacement2:
            return Recover(platform, target, temp, old, bytes, replaced);
        case error::kUnableToMoveReplacement:
            // With a backup name Windows leaves both files as they were; without one the target
            // is gone. Check rather than trust.
            if (!platform.GetAttributes(target) || platform::FileExists(platform, old))
                return Recover(platform, target, temp, old, bytes, replaced);
            [[fallthrough]];
        default: {
            // Refused with nothing changed (access denied, as a protected folder refuses to
            // rename a real file). The target may still be writable in place.
            std::string read;
            const std::string* fresh = nullptr;
            if (const OsResult got = NewBytes(platform, temp, bytes, read, fresh); !got.ok())
                return Settle(platform, temp, OldInPlace(got));
            return Settle(platform, temp, WriteInPlace(platform, target, *fresh, old));
        }
    }
}

}  // namespace

WriteResult WriteWholeFile(platform::Platform& platform, const std::string& path,
                           const std::string& bytes) {
    const std::string temp = TempPathFor(path);
    if (const OsResult written = platform.WriteNewFile(temp, bytes); !written.ok()) {
        Discard(platform, temp);
        return OldInPlace(written);
    }
    return PutInPlace(platform, path, temp, &bytes);
}

WriteResult CopyWholeFile(platform::Platform& platform, const std::string& from,
                          const std::string& to) {
    const std::string temp = TempPathFor(to);
    if (const OsResult copied = platform.CopyFile(from, temp, false); !copied.ok()) {
        Discard(platform, temp);
        return OldInPlace(copied);
    }
    return PutInPlace(platform, to, temp, nullptr);
}

}  // namespace files
