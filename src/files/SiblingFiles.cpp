#include "files/SiblingFiles.h"

namespace files {
namespace {

std::string WithExtension(const std::string& path, const char* extension) {
    const std::size_t dot = path.rfind('.');
    return (dot == std::string::npos ? path : path.substr(0, dot)) + extension;
}

}  // namespace

std::string TempPathFor(const std::string& path) {
    return WithExtension(path, kTempExtension);
}

std::string OldPathFor(const std::string& path) {
    return WithExtension(path, kOldExtension);
}

}  // namespace files
