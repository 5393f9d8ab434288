#include "shell/Registry.h"

namespace shell {

const std::array<const char*, 2> FSRegistryKeys = {
    "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0",
    "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
};

namespace {

constexpr const char* kAddonKey = "Software\\Tenvari\\Velport5";
constexpr const char* kVolume6Key = "Software\\Tenvari\\Velport6";
constexpr const char* kVolume8Key = "Software\\Tenvari\\Velport8";

bool ReadFolder(platform::Platform& platform, const std::string& key, const std::string& valueName,
                std::string& path) {
    const platform::RegistryRead read = platform.ReadValue(key, valueName);
    if (!read.keyOpened)
        return false;
    if (!read.valueExists) {
        path.clear();
        return true;
    }
    if (!read.readError.ok()) {
        throw RegistryError("Failed to get data for '" + valueName + "'");
    }
    // A value without data is an empty folder whatever its type.
    if (read.data.empty()) {
        path.clear();
        return true;
    }
    if (read.type != platform::reg::kString && read.type != platform::reg::kExpandString) {
        throw RegistryError("Invalid data type for '" + valueName + "'");
    }
    path = read.data.substr(0, read.data.find('\0'));
    return true;
}

}  // namespace

bool ReadFSPath(platform::Platform& platform, std::string& path, std::size_t row) {
    return ReadFolder(platform, FSRegistryKeys.at(row), "EXE Path", path);
}

bool ReadAddonPath(platform::Platform& platform, std::string& path) {
    return ReadFolder(platform, kAddonKey, "Path", path);
}

bool IsVolume6Installed(platform::Platform& platform) {
    return platform.KeyExists(kVolume6Key);
}

bool IsVolume8Installed(platform::Platform& platform) {
    return platform.KeyExists(kVolume8Key);
}

}  // namespace shell
