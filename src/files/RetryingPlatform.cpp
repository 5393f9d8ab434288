#include "files/RetryingPlatform.h"

#include "files/SiblingFiles.h"

namespace files {

namespace error = platform::error;
using platform::OsResult;

namespace {

bool EndsWith(const std::string& path, const std::string& suffix) {
    if (path.size() < suffix.size())
        return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = path[path.size() - suffix.size() + i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != suffix[i])
            return false;
    }
    return true;
}

}  // namespace

bool IsTemporaryFile(const std::string& path) {
    return EndsWith(path, kTempExtension) || EndsWith(path, kOldExtension);
}

template <class Call>
OsResult RetryingPlatform::Patiently(const std::string& freshFile, Call call) {
    const bool deniedIsHold = !freshFile.empty() && IsTemporaryFile(freshFile);
    OsResult result = call();
    for (const unsigned wait : kRetryWaits) {
        const bool held = result.code == error::kSharingViolation ||
                          result.code == error::kLockViolation ||
                          (deniedIsHold && result.code == error::kAccessDenied);
        if (!held)
            break;
        inner_.Wait(wait);
        result = call();
    }
    return result;
}

std::optional<uint32_t> RetryingPlatform::GetAttributes(const std::string& path) {
    return inner_.GetAttributes(path);
}

OsResult RetryingPlatform::SetAttributes(const std::string& path, uint32_t attributes) {
    return Patiently({}, [&] { return inner_.SetAttributes(path, attributes); });
}

bool RetryingPlatform::AnyMatch(const std::string& pattern) {
    return inner_.AnyMatch(pattern);
}

OsResult RetryingPlatform::CopyFile(const std::string& from, const std::string& to,
                                    bool failIfExists) {
    return Patiently(to, [&] { return inner_.CopyFile(from, to, failIfExists); });
}

OsResult RetryingPlatform::ReadWholeFile(const std::string& path, std::string& bytes) {
    return Patiently(path, [&] { return inner_.ReadWholeFile(path, bytes); });
}

OsResult RetryingPlatform::WriteNewFile(const std::string& path, const std::string& bytes) {
    return Patiently(path, [&] { return inner_.WriteNewFile(path, bytes); });
}

OsResult RetryingPlatform::ReplaceFile(const std::string& target, const std::string& replacement,
                                       const std::string& backup) {
    // Access denied is not waited out here: it is also how a protected folder refuses, and the
    // caller then writes the file in place.
    return Patiently({}, [&] { return inner_.ReplaceFile(target, replacement, backup); });
}

OsResult RetryingPlatform::MoveFile(const std::string& from, const std::string& to,
                                    bool replaceExisting) {
    return Patiently(from, [&] { return inner_.MoveFile(from, to, replaceExisting); });
}

OsResult RetryingPlatform::OpenForWriting(const std::string& path,
                                          std::unique_ptr<platform::WritableFile>& file) {
    return Patiently({}, [&] { return inner_.OpenForWriting(path, file); });
}

OsResult RetryingPlatform::DeleteFile(const std::string& path) {
    return Patiently(path, [&] { return inner_.DeleteFile(path); });
}

}  // namespace files
