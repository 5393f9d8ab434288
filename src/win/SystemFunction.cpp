#include "win/SystemFunction.h"

#include <string>

namespace win {

HMODULE SystemLibrary(const char* dll) {
    if (const HMODULE loaded = GetModuleHandleA(dll))
        return loaded;
    const UINT length = GetSystemDirectoryA(nullptr, 0);
    if (length == 0)
        return nullptr;
    std::string path(length, '\0');
    const UINT written = GetSystemDirectoryA(path.data(), length);
    if (written == 0 || written >= length)
        return nullptr;
    path.resize(written);
    path += '\\';
    path += dll;
    return LoadLibraryA(path.c_str());
}

}  // namespace win
