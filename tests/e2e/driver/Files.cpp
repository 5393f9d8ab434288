#include "driver/Files.h"

#include <windows.h>

#include <stdexcept>

#include "driver/Text.h"

namespace e2e {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw std::runtime_error(what + " \"" + path + "\": " + ErrorText(GetLastError()));
}

}  // namespace

void MakeFolders(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::optional<uint32_t> attributes = Attributes(path);
    if (attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return;
    }
    std::string parent = ParentFolder(path);
    if (!parent.empty() && parent.size() > 2) {  // "C:" needs no creating
        MakeFolders(parent);
    }
    if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        Fail("cannot create the folder", path);
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    MakeFolders(ParentFolder(path));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Fail("cannot create the file", path);
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok || written != bytes.size()) {
        SetLastError(error);
        Fail("cannot write the file", path);
    }
}

std::optional<std::string> ReadBytes(const std::string& path) {
    if (!FileExists(path)) {
        return std::nullopt;
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Fail("cannot open the file", path);
    }
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::string& path) {
    std::optional<uint32_t> attributes = Attributes(path);
    return attributes && !(*attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<uint32_t> Attributes(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return attributes;
}

void SetAttributes(const std::string& path, uint32_t attributes) {
    if (!SetFileAttributesA(path.c_str(), attributes)) {
        Fail("cannot set the attributes of", path);
    }
}

void CopyFileOver(const std::string& from, const std::string& to) {
    MakeFolders(ParentFolder(to));
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
        Fail("cannot copy \"" + from + "\" to", to);
    }
}

HeldFile::HeldFile(const std::string& path) {
    handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        Fail("cannot hold open", path);
    }
}

HeldFile::~HeldFile() {
    Release();
}

void HeldFile::Release() {
    if (handle_ != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
}

}  // namespace e2e
