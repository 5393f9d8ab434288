// scenery.cfg as an in-memory document of sections and lines.
//
// The document is loaded whole, queried and changed in memory, and written back whole. It keeps
// every section line byte for byte (NUL bytes included) and drops only blank lines, comments and
// lines before the first section header. Section names and keys compare by the platform's
// locale-aware, case-insensitive name key.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "files/WholeFile.h"
#include "platform/Platform.h"

namespace scenery {

class IniDocument {
  public:
    // An empty document that saves to `path`.
    IniDocument(platform::Platform& platform, std::string path);
    // Its lines point into its own buffers.
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    // Loads the file at the path given to the constructor. A missing file (or an empty path)
    // gives an empty document and succeeds; a file that exists but cannot be read fails with its
    // Windows error code, and the document stays empty.
    platform::OsResult Load();

    // The document from bytes, as Load reads them. Exposed for tests and the fuzzer.
    void Parse(std::string bytes);
    // The bytes that Save writes.
    std::string Serialize() const;

    // The names of all sections in document order, duplicates included.
    void SectionNames(std::vector<std::string>& names) const;
    // The value of the first key line `key` in the first section `section`, or `fallback`.
    std::string ReadValue(const std::string& section, const std::string& key,
                          const std::string& fallback) const;
    // Replaces the first key line `key` of the first section `section` in place, or appends it
    // to that section; appends the section when there is none.
    void WriteValue(const std::string& section, const std::string& key, const std::string& value);
    // Removes the first section of that name with its lines; nothing when there is none.
    void RemoveSection(const std::string& section);

    // Writes the whole document to the path with files::WriteWholeFile: a temporary file in the
    // same folder, then put in place of the old file. The result says where the bytes stand
    // after a failure (normally: the old file keeps its bytes); the document keeps its edits.
    files::WriteResult Save() const;

    const std::string& path() const { return path_; }

  private:
    // Names and lines are views into text_ or added_: a file of a thousand areas is then two
    // allocations, not ten thousand.
    struct Section {
        std::string_view name;
        std::vector<std::string_view> lines;
    };

    const Section* Find(const std::string& name) const;
    Section* Find(const std::string& name);
    void Reindex() const;
    // Stores a name or line made by an edit and returns a view of it.
    std::string_view Keep(std::string text);

    platform::Platform& platform_;
    std::string path_;
    bool hasBom_ = false;            // the file began with a UTF-8 byte-order mark, kept on save
    std::string text_;               // the bytes as loaded; never changed until the next load
    std::deque<std::string> added_;  // names and lines of edits, at addresses that stay
    std::vector<Section> sections_;
    // Name key -> index of the first section with that key; rebuilt after sections move.
    mutable std::unordered_map<std::string, std::size_t> index_;
    mutable bool indexValid_ = false;
};

// Reads a "Layer" value as a whole number: leading spaces, an optional sign and decimal digits,
// or a hexadecimal number introduced by "$", "x", "X", "0x" or "0X"; it must fit 32 bits.
// Nothing when the text is anything else, the empty text included.
std::optional<int32_t> ParseLayer(const std::string& text);

}  // namespace scenery
