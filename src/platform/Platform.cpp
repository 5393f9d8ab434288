#include "platform/Platform.h"

namespace platform {

bool FileExists(Platform& platform, const std::string& path) {
    const auto attributes = platform.GetAttributes(path);
    return attributes && (*attributes & attr::kDirectory) == 0;
}

}  // namespace platform
