// Stand-in for the add-on's facility data installer, for the end-to-end tests and the demo only;
// never shipped. It opens no window and changes nothing: it appends what it was given to
// AFInstaller.log beside itself and ends.
//
// The log holds one block per start:
//   command line: <the whole command line>
//   parameters: <the command line after the program name>
//   working directory: <the current directory>
//   file: <each blank-separated parameter>, one line each
//   end
#include <windows.h>

#include <string>

namespace {

// The command line after the program name, as Windows splits it off.
std::string ParametersOf(const std::string& commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        i = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t')
            ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t'))
        ++i;
    return commandLine.substr(i);
}

std::string CurrentDirectory() {
    std::string folder(GetCurrentDirectoryA(0, nullptr), '\0');
    folder.resize(GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data()));
    return folder;
}

// The log's path beside this executable, in UTF-16 so that any folder name works.
std::wstring LogPath() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::size_t slash = path.find_last_of(L'\\');
    path.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return path + L"AFInstaller.log";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string commandLine = GetCommandLineA();
    const std::string parameters = ParametersOf(commandLine);
    std::string record = "command line: " + commandLine + "\r\n" + "parameters: " + parameters +
                         "\r\n" + "working directory: " + CurrentDirectory() + "\r\n";
    for (std::size_t start = 0; start < parameters.size();) {
        std::size_t end = parameters.find(' ', start);
        if (end == std::string::npos)
            end = parameters.size();
        if (end > start)
            record += "file: " + parameters.substr(start, end - start) + "\r\n";
        start = end + 1;
    }
    record += "end\r\n";

    const HANDLE log = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(log);
    return ok && written == record.size() ? 0 : 1;
}
