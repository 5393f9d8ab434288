#include "scenery/Inifile.h"

#include <cstdio>
#include <limits>
#include <vector>

#include "files/WholeFile.h"
#include "scenery/EditorMessages.h"
#include "scenery/IniDocument.h"
#include "scenery/LocalPath.h"

namespace scenery {

namespace {

// No value read from a file can hold a line break, so this default tells a missing key from an
// empty value.
const std::string kMissing = "\n";

bool Fail(platform::Platform& platform, const S_DATA& job, EditorError error) {
    error.file = job.file;
    error.backup = BackupPathFor(job.file);
    error.backupMade = job.backupMade;
    ShowEditorError(platform, error);
    return false;
}

bool Load(platform::Platform& platform, const S_DATA& job, IniDocument& document) {
    const platform::OsResult loaded = document.Load();
    if (loaded.ok())
        return true;
    return Fail(platform, job, {.failure = EditorFailure::ReadFailed, .code = loaded.code});
}

bool Save(platform::Platform& platform, const S_DATA& job, const IniDocument& document) {
    const files::WriteResult saved = document.Save();
    if (saved.ok())
        return true;
    return Fail(platform, job,
                {.failure = EditorFailure::SaveFailed,
                 .code = saved.result.code,
                 .placement = saved.placement,
                 .oldCopy = saved.oldCopy,
                 .newCopy = saved.newCopy});
}

// The Layer of an area section; nothing, after the error box, when it is missing or not a whole
// number.
std::optional<int32_t> ReadLayer(platform::Platform& platform, const S_DATA& job,
                                 const IniDocument& document, const std::string& section) {
    const std::string text = document.ReadValue(section, "Layer", kMissing);
    const std::optional<int32_t> layer = text == kMissing ? std::nullopt : ParseLayer(text);
    if (!layer) {
        Fail(platform, job,
             {.failure =
                  text == kMissing ? EditorFailure::LayerMissing : EditorFailure::LayerNotNumber,
              .section = section});
    }
    return layer;
}

bool LocalMatches(platform::Platform& platform, const IniDocument& document,
                  const std::string& section, const A_DATA& area) {
    return SameTextIgnoringCase(platform, document.ReadValue(section, "Local", ""), area.local);
}

std::string AreaSectionName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "Area.%03d", number);
    return name;
}

// Removes the first area section that matches the record, moves the layers above it down and
// saves. False after an error box.
bool RemoveArea(platform::Platform& platform, const S_DATA& job, const A_DATA& area) {
    IniDocument document(platform, job.file);
    if (!Load(platform, job, document))
        return false;
    std::vector<std::string> names;
    document.SectionNames(names);

    std::optional<int32_t> removedLayer;
    for (auto it = names.begin(); it != names.end(); ++it) {
        if (!IsAreaSection(*it) || !LocalMatches(platform, document, *it, area))
            continue;
        removedLayer = ReadLayer(platform, job, document, *it);
        if (!removedLayer)
            return false;
        document.RemoveSection(*it);
        names.erase(it);
        break;
    }
    if (!removedLayer)
        return true;  // not listed: the file is not rewritten

    for (const std::string& name : names) {
        if (!IsAreaSection(name))
            continue;
        const std::optional<int32_t> layer = ReadLayer(platform, job, document, name);
        if (!layer)
            return false;
        if (*layer > *removedLayer)
            document.WriteValue(name, "Layer", std::to_string(*layer - 1));
    }
    return Save(platform, job, document);
}

// Re-activates the record's area section or appends a new one, and saves. False after an error
// box.
bool AddArea(platform::Platform& platform, const S_DATA& job, IniDocument& document,
             std::vector<std::string>& names, const A_DATA& area) {
    int highestNumber = 0;
    int32_t highestLayer = 0;
    bool matched = false;
    document.SectionNames(names);
    for (const std::string& name : names) {
        if (!IsAreaSection(name))
            continue;
        if (const std::optional<int> number = AreaNumber(name); number && *number > highestNumber) {
            highestNumber = *number;
        }
        const std::optional<int32_t> layer = ReadLayer(platform, job, document, name);
        if (!layer)
            return false;
        if (*layer > highestLayer)
            highestLayer = *layer;
        if (LocalMatches(platform, document, name, area)) {
            document.WriteValue(name, "Active", "TRUE");
            matched = true;
            break;
        }
    }
    if (!matched) {
        if (highestNumber >= 999) {
            return Fail(platform, job,
                        {.failure = EditorFailure::NoAreaNumber, .title = area.title});
        }
        if (highestLayer == std::numeric_limits<int32_t>::max()) {
            return Fail(platform, job,
                        {.failure = EditorFailure::NoLayerNumber, .title = area.title});
        }
        // A section of this name cannot exist yet, so it and its six lines come last.
        const std::string section = AreaSectionName(highestNumber + 1);
        document.WriteValue(section, "Title", area.title);
        document.WriteValue(section, "Local", area.local);
        document.WriteValue(section, "Active", area.active);
        document.WriteValue(section, "Layer", std::to_string(highestLayer + 1));
        document.WriteValue(section, "Required", "FALSE");
        document.WriteValue(section, "Remote", "");
    }
    return Save(platform, job, document);
}

}  // namespace

bool IsAreaSection(std::string_view name) {
    constexpr std::string_view kPrefix = "area.";
    if (name.size() != 8)
        return false;
    for (std::size_t i = 0; i < kPrefix.size(); ++i) {
        const char c = name[i];
        const char folded = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (folded != kPrefix[i])
            return false;
    }
    return true;
}

std::optional<int> AreaNumber(std::string_view name) {
    std::string_view text = name.substr(std::min<std::size_t>(5, name.size()), 3);
    const auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int value = 0;
    bool digits = false;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        value = value * 10 + (text.front() - '0');
        digits = true;
        text.remove_prefix(1);
    }
    if (!digits)
        return std::nullopt;
    return negative ? -value : value;
}

std::string BackupPathFor(const std::string& path) {
    const std::size_t stem = path.size() >= 4 ? path.size() - 4 : 0;
    return path.substr(0, stem) + ".TNV_BAK";
}

bool CheckAreas(platform::Platform& platform, S_DATA* job) {
    IniDocument document(platform, job->file);
    if (!Load(platform, *job, document))
        return false;
    std::vector<std::string> names;
    document.SectionNames(names);
    // The Local values are read once; each record is then compared with all of them.
    std::vector<std::string> locals;
    for (const std::string& name : names) {
        if (IsAreaSection(name))
            locals.push_back(document.ReadValue(name, "Local", ""));
    }
    for (int i = 0; i < job->count; ++i) {
        A_DATA& area = job->areas[i];
        area.registered = false;
        for (const std::string& local : locals) {
            if (SameTextIgnoringCase(platform, local, area.local))
                area.registered = true;
        }
    }
    return true;
}

bool DeleteAreas(platform::Platform& platform, S_DATA* job, bool backup) {
    if (backup) {
        if (!BackupConfig(platform, job->file))
            return false;
        job->backupMade = true;
    }
    for (int i = 0; i < job->count; ++i) {
        // Each removal loads the file anew, so that it starts from what the previous save left.
        if (job->areas[i].remove && !RemoveArea(platform, *job, job->areas[i]))
            return false;
    }
    return true;
}

bool AddAreas(platform::Platform& platform, S_DATA* job) {
    // One document for the whole call: a section added for one record is seen by the next.
    IniDocument document(platform, job->file);
    if (!Load(platform, *job, document))
        return false;
    std::vector<std::string> names;
    for (int i = 0; i < job->count; ++i) {
        if (job->areas[i].install && !AddArea(platform, *job, document, names, job->areas[i])) {
            return false;
        }
    }
    return true;
}

bool BackupConfig(platform::Platform& platform, const std::string& path) {
    const std::optional<uint32_t> attributes = platform.GetAttributes(path);
    if (!attributes || (*attributes & platform::attr::kDirectory)) {
        // The commands found the file a moment ago; stopping now must not go unexplained.
        ShowNoSceneryCfg(platform);
        return false;
    }
    const S_DATA job{.file = path};
    bool attributeCleared = false;
    if (*attributes & platform::attr::kReadOnly) {
        const int answer =
            platform.ShowMessage("This is read only file.May I update?\n" + path, "Question",
                                 platform::mb::kIconQuestion | platform::mb::kYesNo);
        if (answer != platform::mb::kIdYes)
            return false;
        if (const platform::OsResult set = platform.SetAttributes(path, platform::attr::kArchive);
            !set.ok()) {
            return Fail(platform, job,
                        {.failure = EditorFailure::WritableFailed, .code = set.code});
        }
        attributeCleared = true;
    }
    // Without a backup nothing may change: a failed copy stops the command. An earlier backup
    // is only ever replaced by a complete copy.
    const files::WriteResult copied = files::CopyWholeFile(platform, path, BackupPathFor(path));
    if (!copied.ok()) {
        return Fail(platform, job,
                    {.failure = EditorFailure::BackupFailed,
                     .code = copied.result.code,
                     .placement = copied.placement,
                     .oldCopy = copied.oldCopy,
                     .newCopy = copied.newCopy,
                     .attributeCleared = attributeCleared});
    }
    return true;
}

}  // namespace scenery
