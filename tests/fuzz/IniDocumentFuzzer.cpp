// Feeds arbitrary bytes to IniDocument: no crash, no sanitizer report, and after one load and
// save the text is a fixed point - also after the edits the area editor makes.
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/PosixPlatform.h"
#include "scenery/IniDocument.h"

namespace {

void RequireFixedPoint(platform::Platform& platform, const std::string& saved) {
    scenery::IniDocument again(platform, "");
    again.Parse(saved);
    if (again.Serialize() != saved)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform::PosixPlatform platform;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    scenery::IniDocument document(platform, "");
    document.Parse(bytes);
    RequireFixedPoint(platform, document.Serialize());

    std::vector<std::string> names;
    document.SectionNames(names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        (void)scenery::ParseLayer(document.ReadValue(name, "Layer", ""));
        if (!document.ReadValue(name, "Local", "").empty()) {
            document.WriteValue(name, "Active", "TRUE");
        }
        if (i % 3 == 1)
            document.RemoveSection(name);
    }
    document.WriteValue("Area.999", "Layer", "1");
    RequireFixedPoint(platform, document.Serialize());
    return 0;
}
