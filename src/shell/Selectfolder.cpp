#include "shell/Selectfolder.h"

#include <shlobj.h>

namespace shell {

std::string SelectFolder(HWND owner, const std::string& title) {
    char displayName[MAX_PATH] = {};  // receives the folder's display name; not used
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE list = SHBrowseForFolderA(&info);
    if (list == nullptr)
        return std::string();
    // SHGetPathFromIDListA writes at most MAX_PATH characters: the ANSI calls take no longer path.
    char path[MAX_PATH] = {};
    std::string result;
    if (SHGetPathFromIDListA(list, path))
        result = path;
    CoTaskMemFree(list);
    return result;
}

}  // namespace shell
