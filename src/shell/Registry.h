// Where FS2002 and the add-on are installed, and whether the sibling volumes 6 and 8 are, as the
// registry under HKEY_LOCAL_MACHINE says. Nothing is ever written to the registry.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "platform/Platform.h"

namespace shell {

// Keys of two Flight Simulator versions, by row: 0 is "9.0", 1 is FS2002 ("8.0"), the one the
// program reads.
extern const std::array<const char*, 2> FSRegistryKeys;

// A registry value that holds no folder path: a data read that failed, or a value that is not a
// string. The message names the value.
class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The "EXE Path" value of row `row` of FSRegistryKeys. True when the key opened; `path` then
// holds the value up to its first NUL character, empty when the value is missing or empty, and
// REG_EXPAND_SZ data as stored (not expanded). False when the key did not open; `path` is left as
// it was. Throws RegistryError for a value that is not REG_SZ or REG_EXPAND_SZ or cannot be read,
// and std::out_of_range for a row other than 0 or 1.
bool ReadFSPath(platform::Platform& platform, std::string& path, std::size_t row);

// The same for the "Path" value of the add-on's key.
bool ReadAddonPath(platform::Platform& platform, std::string& path);

// True when the key of the sibling volume opens; its values do not matter.
bool IsVolume6Installed(platform::Platform& platform);
bool IsVolume8Installed(platform::Platform& platform);

}  // namespace shell
