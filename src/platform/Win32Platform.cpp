#include "platform/Win32Platform.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "win/Com.h"
#include "win/SystemFunction.h"
#include "win/WinApi.h"

namespace platform {
namespace {

OsResult LastError() {
    return OsResult::Fail(GetLastError());
}

OsResult FromBool(BOOL ok) {
    return ok ? OsResult::Ok() : LastError();
}

// Closes a file handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (valid())
            CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    // Closes now, so that a failing close is reported.
    BOOL Close() {
        const BOOL ok = CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_;
};

// Closes a registry key when it goes out of scope.
class KeyHandle {
  public:
    KeyHandle() = default;
    ~KeyHandle() {
        if (h_ != nullptr)
            RegCloseKey(h_);
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    // The 32-bit view: where FS2002 and the add-on's installer, both 32-bit, keep their keys.
    bool Open(const std::string& subkey) {
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ | KEY_WOW64_32KEY,
                             &h_) == ERROR_SUCCESS;
    }
    HKEY get() const { return h_; }

  private:
    HKEY h_ = nullptr;
};

// ReadFile and WriteFile take a 32-bit count; files are moved in chunks well below it.
constexpr DWORD kChunk = 1u << 20;

// Writes all bytes at the file pointer.
OsResult WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, want, &written, nullptr))
            return LastError();
        // A full disk can report success with fewer bytes written; nothing written means the
        // next attempt would loop forever.
        if (written == 0)
            return OsResult::Fail(error::kDiskFull);
        done += written;
    }
    return OsResult::Ok();
}

}  // namespace

std::optional<uint32_t> Win32Platform::GetAttributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

OsResult Win32Platform::SetAttributes(const std::string& path, uint32_t attributes) {
    return FromBool(SetFileAttributesA(path.c_str(), attributes));
}

bool Win32Platform::AnyMatch(const std::string& pattern) {
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    FindClose(find);
    return true;
}

OsResult Win32Platform::CopyFile(const std::string& from, const std::string& to,
                                 bool failIfExists) {
    return FromBool(CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE));
}

OsResult Win32Platform::ReadWholeFile(const std::string& path, std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return LastError();
    bytes.clear();
    LARGE_INTEGER size;
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 &&
        static_cast<unsigned long long>(size.QuadPart) < bytes.max_size()) {
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    // Read to the end rather than trusting the size: the file may still grow or shrink.
    std::vector<char> chunk(kChunk);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), chunk.data(), kChunk, &read, nullptr))
            return LastError();
        if (read == 0)
            break;
        bytes.append(chunk.data(), read);
    }
    return OsResult::Ok();
}

OsResult Win32Platform::WriteNewFile(const std::string& path, const std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return LastError();
    if (const OsResult written = WriteAll(file.get(), bytes); !written.ok())
        return written;
    if (!FlushFileBuffers(file.get()))
        return LastError();
    return FromBool(file.Close());
}

OsResult Win32Platform::ReplaceFile(const std::string& target, const std::string& replacement,
                                    const std::string& backup) {
    return FromBool(ReplaceFileA(target.c_str(), replacement.c_str(),
                                 backup.empty() ? nullptr : backup.c_str(), 0, nullptr, nullptr));
}

OsResult Win32Platform::MoveFile(const std::string& from, const std::string& to,
                                 bool replaceExisting) {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
    return FromBool(MoveFileExA(from.c_str(), to.c_str(), flags));
}

namespace {

class Win32WritableFile : public WritableFile {
  public:
    explicit Win32WritableFile(HANDLE h) : file_(h) {}
    OsResult SetSize(uint64_t size) override {
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(size);
        if (!SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN))
            return LastError();
        return FromBool(SetEndOfFile(file_.get()));
    }
    OsResult WriteFromStart(const std::string& bytes) override {
        LARGE_INTEGER start;
        start.QuadPart = 0;
        if (!SetFilePointerEx(file_.get(), start, nullptr, FILE_BEGIN))
            return LastError();
        return WriteAll(file_.get(), bytes);
    }
    OsResult Flush() override { return FromBool(FlushFileBuffers(file_.get())); }

  private:
    FileHandle file_;
};

}  // namespace

OsResult Win32Platform::OpenForWriting(const std::string& path,
                                       std::unique_ptr<WritableFile>& file) {
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return LastError();
    file = std::make_unique<Win32WritableFile>(h);
    return OsResult::Ok();
}

OsResult Win32Platform::DeleteFile(const std::string& path) {
    return FromBool(DeleteFileA(path.c_str()));
}

void Win32Platform::Wait(unsigned milliseconds) {
    Sleep(milliseconds);
}

bool Win32Platform::KeyExists(const std::string& subkey) {
    KeyHandle key;
    return key.Open(subkey);
}

RegistryRead Win32Platform::ReadValue(const std::string& subkey, const std::string& valueName) {
    RegistryRead read;
    KeyHandle key;
    if (!key.Open(subkey))
        return read;
    read.keyOpened = true;

    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return read;
    read.valueExists = true;
    read.type = type;
    if (status != ERROR_SUCCESS) {
        read.readError = OsResult::Fail(static_cast<uint32_t>(status));
        return read;
    }
    // The value may grow between the size query and the read: read again with the new size.
    std::string data;
    do {
        data.resize(size);
        DWORD got = size;
        status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &got);
        if (status == ERROR_SUCCESS)
            data.resize(got);
        size = got;
    } while (status == ERROR_MORE_DATA);
    read.type = type;
    if (status != ERROR_SUCCESS) {
        read.readError = OsResult::Fail(static_cast<uint32_t>(status));
        return read;
    }
    read.data = std::move(data);
    return read;
}

int Win32Platform::ShowMessage(const std::string& text, const std::string& caption,
                               unsigned style) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

intptr_t Win32Platform::OpenProgram(const std::string& file, const std::string& parameters,
                                    const std::string& directory) {
    // The shell is loaded on first use, not at start-up; without it nothing starts (0 is one of
    // ShellExecuteA's failures).
    using ShellExecuteFunction = HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    auto* shellExecute = win::SystemFunction<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (shellExecute == nullptr || !win::InitializeCom())
        return 0;
    const HINSTANCE result = shellExecute(
        nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
        directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<intptr_t>(result);
}

std::string Win32Platform::ProgramFolder() {
    // GetModuleFileNameA truncates silently when the buffer is too small: grow it until the
    // name fits with room to spare.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return std::string();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    // The last backslash that is a character of its own: in a double-byte code page the second
    // byte of a character can have the backslash's value.
    std::size_t lastSeparator = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (IsDBCSLeadByte(byte) && i + 1 < path.size()) {
            ++i;
        } else if (byte == '\\') {
            lastSeparator = i;
        }
    }
    if (lastSeparator != std::string::npos)
        path.resize(lastSeparator);
    return path;
}

std::string Win32Platform::NameKey(std::string_view name) {
    if (name.empty())
        return std::string();
    const int length = static_cast<int>(name.size());
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, name.data(), length, nullptr, 0);
    if (size <= 0)
        return std::string(name);
    std::string key(static_cast<std::size_t>(size), '\0');
    const int got = LCMapStringA(LOCALE_USER_DEFAULT, flags, name.data(), length, key.data(), size);
    if (got <= 0)
        return std::string(name);
    key.resize(static_cast<std::size_t>(got));
    return key;
}

bool Win32Platform::IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

}  // namespace platform
