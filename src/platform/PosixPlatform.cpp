#include "platform/PosixPlatform.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace platform {

namespace {

std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

OsResult FromErrno() {
    switch (errno) {
        case ENOENT:
            return OsResult::Fail(error::kFileNotFound);
        case ENOTDIR:
            return OsResult::Fail(error::kPathNotFound);
        case EACCES:
        case EPERM:
        case EROFS:
            return OsResult::Fail(error::kAccessDenied);
        case ENOSPC:
            return OsResult::Fail(error::kDiskFull);
        case ENAMETOOLONG:
            return OsResult::Fail(error::kFilenameTooLong);
        default:
            return OsResult::Fail(1000 + static_cast<uint32_t>(errno));
    }
}

OsResult WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0)
            return FromErrno();
        done += static_cast<std::size_t>(n);
    }
    return OsResult::Ok();
}

}  // namespace

std::optional<uint32_t> PosixPlatform::GetAttributes(const std::string& path) {
    struct stat info {};
    if (::stat(Native(path).c_str(), &info) != 0)
        return std::nullopt;
    uint32_t attributes = S_ISDIR(info.st_mode) ? attr::kDirectory : attr::kArchive;
    if ((info.st_mode & S_IWUSR) == 0)
        attributes |= attr::kReadOnly;
    return attributes;
}

OsResult PosixPlatform::SetAttributes(const std::string& path, uint32_t attributes) {
    struct stat info {};
    const std::string native = Native(path);
    if (::stat(native.c_str(), &info) != 0)
        return FromErrno();
    mode_t mode = info.st_mode & 07777;
    mode = (attributes & attr::kReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    return ::chmod(native.c_str(), mode) == 0 ? OsResult::Ok() : FromErrno();
}

bool PosixPlatform::AnyMatch(const std::string& pattern) {
    const std::string native = Native(pattern);
    const auto slash = native.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : native.substr(0, slash);
    const std::string mask = native.substr(slash == std::string::npos ? 0 : slash + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (::fnmatch(mask.c_str(), entry->d_name, FNM_CASEFOLD) == 0) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

OsResult PosixPlatform::CopyFile(const std::string& from, const std::string& to,
                                 bool failIfExists) {
    std::string bytes;
    if (OsResult read = ReadWholeFile(from, bytes); !read.ok())
        return read;
    const int flags = O_WRONLY | O_CREAT | (failIfExists ? O_EXCL : O_TRUNC);
    const int fd = ::open(Native(to).c_str(), flags, 0644);
    if (fd < 0)
        return FromErrno();
    const OsResult written = WriteAll(fd, bytes);
    ::close(fd);
    return written;
}

OsResult PosixPlatform::ReadWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(Native(path).c_str(), O_RDONLY);
    if (fd < 0)
        return FromErrno();
    bytes.clear();
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        bytes.reserve(info.st_size);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            const OsResult failed = FromErrno();
            ::close(fd);
            return failed;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return OsResult::Ok();
}

OsResult PosixPlatform::WriteNewFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(Native(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return FromErrno();
    const OsResult written = WriteAll(fd, bytes);
    ::close(fd);
    return written;
}

OsResult PosixPlatform::ReplaceFile(const std::string& target, const std::string& replacement,
                                    const std::string& backup) {
    if (!backup.empty() && ::link(Native(target).c_str(), Native(backup).c_str()) != 0)
        return FromErrno();
    return ::rename(Native(replacement).c_str(), Native(target).c_str()) == 0 ? OsResult::Ok()
                                                                              : FromErrno();
}

OsResult PosixPlatform::MoveFile(const std::string& from, const std::string& to,
                                 bool replaceExisting) {
    if (replaceExisting) {
        return ::rename(Native(from).c_str(), Native(to).c_str()) == 0 ? OsResult::Ok()
                                                                       : FromErrno();
    }
    // link + unlink: unlike rename, it fails when `to` exists.
    if (::link(Native(from).c_str(), Native(to).c_str()) != 0)
        return FromErrno();
    return ::unlink(Native(from).c_str()) == 0 ? OsResult::Ok() : FromErrno();
}

namespace {

class PosixWritableFile : public WritableFile {
  public:
    explicit PosixWritableFile(int fd) : fd_(fd) {}
    ~PosixWritableFile() override { ::close(fd_); }
    PosixWritableFile(const PosixWritableFile&) = delete;
    PosixWritableFile& operator=(const PosixWritableFile&) = delete;
    OsResult SetSize(uint64_t size) override {
        return ::ftruncate(fd_, static_cast<off_t>(size)) == 0 ? OsResult::Ok() : FromErrno();
    }
    OsResult WriteFromStart(const std::string& bytes) override {
        if (::lseek(fd_, 0, SEEK_SET) < 0)
            return FromErrno();
        return WriteAll(fd_, bytes);
    }
    OsResult Flush() override { return OsResult::Ok(); }

  private:
    int fd_;
};

}  // namespace

OsResult PosixPlatform::OpenForWriting(const std::string& path,
                                       std::unique_ptr<WritableFile>& file) {
    const int fd = ::open(Native(path).c_str(), O_WRONLY);
    if (fd < 0)
        return FromErrno();
    file = std::make_unique<PosixWritableFile>(fd);
    return OsResult::Ok();
}

void PosixPlatform::Wait(unsigned milliseconds) {
    ::usleep(static_cast<useconds_t>(milliseconds) * 1000);
}

OsResult PosixPlatform::DeleteFile(const std::string& path) {
    return ::unlink(Native(path).c_str()) == 0 ? OsResult::Ok() : FromErrno();
}

std::string PosixPlatform::NameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

}  // namespace platform
