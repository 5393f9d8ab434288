#include "shell/Selectfolder.h"

#include <shlobj.h>

#include <stdexcept>

#include "win/Com.h"
#include "win/SystemFunction.h"

namespace shell {

std::string SelectFolder(HWND owner, const std::string& title) {
    // The shell is loaded on first use, not at start-up.
    using BrowseFunction = PIDLIST_ABSOLUTE WINAPI(LPBROWSEINFOA);
    using PathFunction = BOOL WINAPI(PCIDLIST_ABSOLUTE, LPSTR);
    using FreeFunction = void WINAPI(LPVOID);
    auto* browse = win::SystemFunction<BrowseFunction>("shell32.dll", "SHBrowseForFolderA");
    auto* pathFromList = win::SystemFunction<PathFunction>("shell32.dll", "SHGetPathFromIDListA");
    auto* freeList = win::SystemFunction<FreeFunction>("ole32.dll", "CoTaskMemFree");
    if (browse == nullptr || pathFromList == nullptr || freeList == nullptr ||
        !win::InitializeCom())
        throw std::runtime_error("The folder browser of Windows could not be loaded");

    char displayName[MAX_PATH] = {};  // receives the folder's display name; not used
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE list = browse(&info);
    if (list == nullptr)
        return std::string();
    // SHGetPathFromIDListA writes at most MAX_PATH characters: the ANSI calls take no longer path.
    char path[MAX_PATH] = {};
    std::string result;
    if (pathFromList(list, path))
        result = path;
    freeList(list);
    return result;
}

}  // namespace shell
