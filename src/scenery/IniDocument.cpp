#include "scenery/IniDocument.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace scenery {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool IsHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The key of a key line: the text before its first "=". Nothing for a line without "=".
std::optional<std::string_view> KeyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, equals);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

IniDocument::IniDocument(platform::Platform& platform, std::string path)
    : platform_(platform), path_(std::move(path)) {}

platform::OsResult IniDocument::Load() {
    sections_.clear();
    hasBom_ = false;
    indexValid_ = false;
    if (path_.empty() || !platform::FileExists(platform_, path_))
        return platform::OsResult::Ok();
    std::string bytes;
    if (const platform::OsResult read = platform_.ReadWholeFile(path_, bytes); !read.ok()) {
        return read;
    }
    Parse(std::move(bytes));
    return platform::OsResult::Ok();
}

void IniDocument::Parse(std::string bytes) {
    sections_.clear();
    added_.clear();
    indexValid_ = false;
    text_ = std::move(bytes);
    const std::string_view text(text_);
    hasBom_ = text.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    std::size_t pos = hasBom_ ? kUtf8Bom.size() : 0;

    // The next CR and the next LF at or after `pos`, each found with memchr and kept until the
    // line start passes it, so that every byte is scanned at most once for each.
    const auto next = [&](char c, std::size_t from) {
        const void* hit = std::memchr(text.data() + from, c, text.size() - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data())
                   : text.size();
    };
    std::size_t cr = next('\r', pos), lf = next('\n', pos);

    while (pos < text.size()) {
        if (cr < pos)
            cr = next('\r', pos);
        if (lf < pos)
            lf = next('\n', pos);
        const std::size_t end = std::min(cr, lf);
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + ((end == cr && end + 1 == lf) ? 2 : 1);  // CR LF counts as one line end

        if (line.empty() || line.front() == ';')
            continue;
        if (IsHeader(line)) {
            sections_.push_back(Section{line.substr(1, line.size() - 2), {}});
        } else if (!sections_.empty()) {
            sections_.back().lines.emplace_back(line);
        }
        // Lines before the first header belong to no section and are dropped.
    }
}

std::string IniDocument::Serialize() const {
    std::size_t size = hasBom_ ? kUtf8Bom.size() : 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 2 * kLineEnd.size() + 2;
        for (const std::string_view line : section.lines)
            size += line.size() + kLineEnd.size();
    }
    std::string out;
    out.reserve(size);
    if (hasBom_)
        out += kUtf8Bom;
    for (const Section& section : sections_) {
        out += '[';
        out += section.name;
        out += ']';
        out += kLineEnd;
        for (const std::string_view line : section.lines) {
            out += line;
            out += kLineEnd;
        }
        out += kLineEnd;
    }
    return out;
}

void IniDocument::Reindex() const {
    index_.clear();
    index_.reserve(sections_.size());
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        index_.try_emplace(platform_.NameKey(sections_[i].name), i);  // the first one wins
    }
    indexValid_ = true;
}

const IniDocument::Section* IniDocument::Find(const std::string& name) const {
    if (!indexValid_)
        Reindex();
    const auto it = index_.find(platform_.NameKey(name));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section* IniDocument::Find(const std::string& name) {
    return const_cast<Section*>(std::as_const(*this).Find(name));
}

void IniDocument::SectionNames(std::vector<std::string>& names) const {
    names.clear();
    names.reserve(sections_.size());
    for (const Section& section : sections_)
        names.emplace_back(section.name);
}

std::string IniDocument::ReadValue(const std::string& section, const std::string& key,
                                   const std::string& fallback) const {
    const Section* found = Find(section);
    if (found == nullptr)
        return fallback;
    const std::string wanted = platform_.NameKey(key);
    for (const std::string_view line : found->lines) {
        const auto lineKey = KeyOf(line);
        if (lineKey && platform_.NameKey(*lineKey) == wanted)
            return std::string(line.substr(lineKey->size() + 1));
    }
    return fallback;
}

void IniDocument::WriteValue(const std::string& section, const std::string& key,
                             const std::string& value) {
    Section* found = Find(section);
    if (found == nullptr) {
        sections_.push_back(Section{Keep(section), {}});
        index_.try_emplace(platform_.NameKey(section), sections_.size() - 1);
        found = &sections_.back();
    }
    const std::string_view line = Keep(key + "=" + value);
    const std::string wanted = platform_.NameKey(key);
    for (std::string_view& existing : found->lines) {
        const auto lineKey = KeyOf(existing);
        if (lineKey && platform_.NameKey(*lineKey) == wanted) {
            existing = line;
            return;
        }
    }
    found->lines.push_back(line);
}

std::string_view IniDocument::Keep(std::string text) {
    return added_.emplace_back(std::move(text));
}

void IniDocument::RemoveSection(const std::string& section) {
    const Section* found = Find(section);
    if (found == nullptr)
        return;
    sections_.erase(sections_.begin() + (found - sections_.data()));
    indexValid_ = false;
}

files::WriteResult IniDocument::Save() const {
    if (path_.empty())
        return {
            platform::OsResult::Fail(platform::error::kInvalidName), files::Placement::Old, {}, {}};
    return files::WriteWholeFile(platform_, path_, Serialize());
}

std::optional<int32_t> ParseLayer(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::string_view number = std::string_view(text).substr(i);
    if (number.empty())
        return std::nullopt;

    std::size_t digitsAt = 0;
    int base = 10;
    bool negative = false;
    if (number[0] == '$' || number[0] == 'x' || number[0] == 'X') {
        base = 16;
        digitsAt = 1;
    } else if (number.size() >= 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X')) {
        base = 16;
        digitsAt = 2;
    } else if (number[0] == '+' || number[0] == '-') {
        negative = number[0] == '-';
        digitsAt = 1;
    }
    if (digitsAt >= number.size())
        return std::nullopt;

    const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                   : int64_t{std::numeric_limits<int32_t>::max()};
    int64_t value = 0;
    for (const char c : number.substr(digitsAt)) {
        const int digit = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace scenery
