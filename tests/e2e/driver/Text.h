// Text helpers of the test driver: ANSI code page and UTF-16, Windows paths.
#pragma once

#include <string>

namespace e2e {

// ANSI (the driver's code page) to UTF-16 and back. Throws std::runtime_error when the text
// does not convert.
std::wstring Widen(const std::string& ansi);
std::string Narrow(const std::wstring& wide);

// `folder` + "\" + `name`, with no doubled backslash when `folder` already ends in one.
std::string JoinPath(const std::string& folder, const std::string& name);

// The folder part of a path: everything before its last backslash.
std::string ParentFolder(const std::string& path);

// A Unix path as Wine's drive Z: (the file system root) names it: "/a/b" gives "Z:\a\b".
// A path that already has a drive letter is returned with its slashes turned into backslashes.
std::string UnixToWindowsPath(const std::string& path);

// The text of a Windows error code with its number, for failure messages.
std::string ErrorText(unsigned long code);

}  // namespace e2e
