#include "driver/Text.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {

std::wstring Widen(const std::string& ansi) {
    if (ansi.empty()) {
        return {};
    }
    int n = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(),
                                static_cast<int>(ansi.size()), nullptr, 0);
    if (n <= 0) {
        throw std::runtime_error("text does not convert from the ANSI code page: " + ansi);
    }
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), static_cast<int>(ansi.size()),
                        wide.data(), n);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    if (n <= 0) {
        throw std::runtime_error("text does not convert to the ANSI code page");
    }
    std::string ansi(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), n,
                        nullptr, nullptr);
    return ansi;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    // CharPrev keeps a double-byte character whose trail byte is 0x5C from counting as "\".
    if (!folder.empty()) {
        const char* end = folder.c_str() + folder.size();
        const char* last = CharPrevA(folder.c_str(), end);
        if (last == end - 1 && *last == '\\') {
            return folder + name;
        }
    }
    return folder + "\\" + name;
}

std::string ParentFolder(const std::string& path) {
    // Scan by characters, for the same reason as above.
    const char* start = path.c_str();
    const char* lastSlash = nullptr;
    for (const char* p = start; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\') {
            lastSlash = p;
        }
    }
    return lastSlash == nullptr ? std::string() : path.substr(0, lastSlash - start);
}

std::string UnixToWindowsPath(const std::string& path) {
    std::string result = path;
    for (char& c : result) {
        if (c == '/') {
            c = '\\';
        }
    }
    if (result.size() >= 2 && result[1] == ':') {
        return result;
    }
    return "Z:" + result;
}

std::string ErrorText(unsigned long code) {
    char* buffer = nullptr;
    DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = n > 0 ? std::string(buffer, n) : std::string("unknown error");
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text + " (error " + std::to_string(code) + ")";
}

}  // namespace e2e
