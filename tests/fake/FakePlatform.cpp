#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fake {

using platform::OsResult;
namespace error = platform::error;
namespace attr = platform::attr;

const char* ToString(FileOp op) {
    switch (op) {
        case FileOp::Read:
            return "Read";
        case FileOp::Write:
            return "Write";
        case FileOp::Replace:
            return "Replace";
        case FileOp::Copy:
            return "Copy";
        case FileOp::SetAttributes:
            return "SetAttributes";
        case FileOp::Delete:
            return "Delete";
    }
    return "?";
}

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string FoldAll(const std::string& text) {
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(), FoldAscii);
    return out;
}

// Windows wildcard match of one name: '*' any run, '?' one character, ASCII case ignored.
bool WildcardMatch(const std::string& mask, const std::string& name) {
    std::size_t m = 0, n = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || FoldAscii(mask[m]) == FoldAscii(name[n]))) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == '*') {
            star = m++;
            resume = n;
        } else if (star != std::string::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

}  // namespace

FakePlatform::FakePlatform() = default;

std::string FakePlatform::Key(const std::string& path) const {
    return FoldAll(path);
}

std::string FakePlatform::Parent(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

FakePlatform::File* FakePlatform::Find(const std::string& path) {
    const auto it = files_.find(Key(path));
    return it == files_.end() ? nullptr : &it->second;
}

const FakePlatform::File* FakePlatform::Find(const std::string& path) const {
    const auto it = files_.find(Key(path));
    return it == files_.end() ? nullptr : &it->second;
}

bool FakePlatform::FolderExists(const std::string& path) const {
    return folders_.count(Key(path)) != 0;
}

void FakePlatform::AddFolder(const std::string& path) {
    for (std::string p = path; !p.empty(); p = Parent(p))
        folders_.insert(Key(p));
}

void FakePlatform::AddFile(const std::string& path, const std::string& bytes, uint32_t attributes) {
    AddFolder(Parent(path));
    files_[Key(path)] = File{path, bytes, attributes, false};
}

void FakePlatform::RemoveFile(const std::string& path) {
    files_.erase(Key(path));
}

void FakePlatform::HoldOpen(const std::string& path, bool held) {
    File* file = Find(path);
    ASSERT_NE(file, nullptr) << path;
    file->heldOpen = held;
}

void FakePlatform::DenyCreate(const std::string& folder) {
    deniedFolders_.insert(Key(folder));
}

bool FakePlatform::HasFile(const std::string& path) const {
    return Find(path) != nullptr;
}

std::string FakePlatform::Bytes(const std::string& path) const {
    const File* file = Find(path);
    if (file == nullptr) {
        ADD_FAILURE() << "no file " << path;
        return {};
    }
    return file->bytes;
}

uint32_t FakePlatform::Attributes(const std::string& path) const {
    const File* file = Find(path);
    if (file == nullptr) {
        ADD_FAILURE() << "no file " << path;
        return 0;
    }
    return file->attributes;
}

std::vector<std::string> FakePlatform::Files() const {
    std::vector<std::string> names;
    for (const auto& [key, file] : files_)
        names.push_back(file.name);
    return names;
}

std::size_t FakePlatform::UsedBytes() const {
    std::size_t used = 0;
    for (const auto& [key, file] : files_)
        used += file.bytes.size();
    return used;
}

void FakePlatform::FailNext(FileOp op, const std::string& pathPart, uint32_t code, int skip) {
    faults_.push_back(Fault{op, FoldAll(pathPart), code, skip});
}

void FakePlatform::FailCallAt(std::size_t index, uint32_t code) {
    faultsAt_[index] = code;
}

std::optional<uint32_t> FakePlatform::Record(FileOp op, const std::string& path,
                                             const std::string& from) {
    const std::size_t index = calls_.size();
    calls_.push_back(FileCall{op, path, from});
    if (const auto it = faultsAt_.find(index); it != faultsAt_.end())
        return it->second;
    const std::string key = Key(path);
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->op != op || key.find(it->pathPart) == std::string::npos)
            continue;
        if (it->skip > 0) {
            --it->skip;
            continue;
        }
        const uint32_t code = it->code;
        faults_.erase(it);
        return code;
    }
    return std::nullopt;
}

bool FakePlatform::Store(const std::string& path, const std::string& bytes) {
    File* existing = Find(path);
    const std::size_t others = UsedBytes() - (existing ? existing->bytes.size() : 0);
    const bool fits = !capacity_ || others + bytes.size() <= *capacity_;
    const std::string stored =
        fits ? bytes : bytes.substr(0, *capacity_ > others ? *capacity_ - others : 0);
    if (existing) {
        existing->bytes = stored;
    } else {
        files_[Key(path)] = File{path, stored, attr::kArchive, false};
    }
    return fits;
}

OsResult FakePlatform::CanCreateOrWrite(const std::string& path) const {
    if (const File* file = Find(path)) {
        if (file->heldOpen)
            return OsResult::Fail(error::kSharingViolation);
        if (file->attributes & attr::kReadOnly)
            return OsResult::Fail(error::kAccessDenied);
        return OsResult::Ok();
    }
    if (FolderExists(path))
        return OsResult::Fail(error::kAccessDenied);
    if (!FolderExists(Parent(path)))
        return OsResult::Fail(error::kPathNotFound);
    if (deniedFolders_.count(Key(Parent(path))))
        return OsResult::Fail(error::kAccessDenied);
    return OsResult::Ok();
}

std::optional<uint32_t> FakePlatform::GetAttributes(const std::string& path) {
    if (const File* file = Find(path))
        return file->attributes;
    if (FolderExists(path))
        return attr::kDirectory;
    return std::nullopt;
}

OsResult FakePlatform::SetAttributes(const std::string& path, uint32_t attributes) {
    if (auto fault = Record(FileOp::SetAttributes, path, {}))
        return OsResult::Fail(*fault);
    File* file = Find(path);
    if (file == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    file->attributes = attributes;
    return OsResult::Ok();
}

bool FakePlatform::AnyMatch(const std::string& pattern) {
    const std::string folder = Key(Parent(pattern));
    const std::string mask = pattern.substr(pattern.rfind('\\') + 1);
    const auto nameIn = [&](const std::string& key) -> std::optional<std::string> {
        if (Parent(key) != folder)
            return std::nullopt;
        return key.substr(key.rfind('\\') + 1);
    };
    for (const auto& [key, file] : files_) {
        if (auto name = nameIn(key); name && WildcardMatch(mask, *name))
            return true;
    }
    for (const auto& key : folders_) {
        if (auto name = nameIn(key); name && WildcardMatch(mask, *name))
            return true;
    }
    return false;
}

OsResult FakePlatform::CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    const std::optional<uint32_t> fault = Record(FileOp::Copy, to, from);
    const File* source = Find(from);
    if (fault) {
        if (*fault == error::kDiskFull && CanCreateOrWrite(to).ok())
            Store(to, {});
        return OsResult::Fail(*fault);
    }
    if (source == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (source->heldOpen)
        return OsResult::Fail(error::kSharingViolation);
    if (failIfExists && Find(to))
        return OsResult::Fail(error::kAlreadyExists);
    if (OsResult can = CanCreateOrWrite(to); !can.ok())
        return can;
    const std::string bytes = source->bytes;
    const uint32_t attributes = source->attributes;
    if (!Store(to, bytes)) {
        Store(to, {});
        return OsResult::Fail(error::kDiskFull);
    }
    Find(to)->attributes = attributes;
    return OsResult::Ok();
}

OsResult FakePlatform::ReadWholeFile(const std::string& path, std::string& bytes) {
    if (auto fault = Record(FileOp::Read, path, {}))
        return OsResult::Fail(*fault);
    const File* file = Find(path);
    if (file == nullptr) {
        return OsResult::Fail(FolderExists(path) ? error::kAccessDenied : error::kFileNotFound);
    }
    if (file->heldOpen)
        return OsResult::Fail(error::kSharingViolation);
    bytes = file->bytes;
    return OsResult::Ok();
}

OsResult FakePlatform::WriteNewFile(const std::string& path, const std::string& bytes) {
    if (auto fault = Record(FileOp::Write, path, {})) {
        if (CanCreateOrWrite(path).ok())
            Store(path, bytes.substr(0, bytes.size() / 2));
        return OsResult::Fail(*fault);
    }
    if (OsResult can = CanCreateOrWrite(path); !can.ok())
        return can;
    if (!Store(path, bytes))
        return OsResult::Fail(error::kDiskFull);
    return OsResult::Ok();
}

OsResult FakePlatform::ReplaceFile(const std::string& target, const std::string& replacement) {
    if (auto fault = Record(FileOp::Replace, target, replacement))
        return OsResult::Fail(*fault);
    File* source = Find(replacement);
    if (source == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (source->heldOpen)
        return OsResult::Fail(error::kSharingViolation);
    if (const File* old = Find(target)) {
        if (old->heldOpen)
            return OsResult::Fail(error::kSharingViolation);
        if (old->attributes & attr::kReadOnly)
            return OsResult::Fail(error::kAccessDenied);
    } else if (OsResult can = CanCreateOrWrite(target); !can.ok()) {
        return can;
    }
    const File* old = Find(target);
    File moved{old ? old->name : target, source->bytes, old ? old->attributes : source->attributes,
               false};
    files_.erase(Key(replacement));
    files_[Key(target)] = moved;
    return OsResult::Ok();
}

OsResult FakePlatform::DeleteFile(const std::string& path) {
    if (auto fault = Record(FileOp::Delete, path, {}))
        return OsResult::Fail(*fault);
    const File* file = Find(path);
    if (file == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (file->heldOpen)
        return OsResult::Fail(error::kSharingViolation);
    if (file->attributes & attr::kReadOnly)
        return OsResult::Fail(error::kAccessDenied);
    files_.erase(Key(path));
    return OsResult::Ok();
}

void FakePlatform::AddKey(const std::string& subkey) {
    registry_[FoldAll(subkey)];
}

void FakePlatform::SetValue(const std::string& subkey, const std::string& name, uint32_t type,
                            const std::string& data) {
    registry_[FoldAll(subkey)][FoldAll(name)] = RegValue{type, data, 0};
}

void FakePlatform::SetString(const std::string& subkey, const std::string& name,
                             const std::string& text) {
    // Registry strings are stored with their terminator.
    SetValue(subkey, name, platform::reg::kString, text + std::string(1, '\0'));
}

void FakePlatform::FailValueRead(const std::string& subkey, const std::string& name,
                                 uint32_t code) {
    registry_[FoldAll(subkey)][FoldAll(name)].readError = code;
}

bool FakePlatform::KeyExists(const std::string& subkey) {
    return registry_.count(FoldAll(subkey)) != 0;
}

platform::RegistryRead FakePlatform::ReadValue(const std::string& subkey,
                                               const std::string& valueName) {
    platform::RegistryRead read;
    const auto key = registry_.find(FoldAll(subkey));
    if (key == registry_.end())
        return read;
    read.keyOpened = true;
    const auto value = key->second.find(FoldAll(valueName));
    if (value == key->second.end())
        return read;
    read.valueExists = true;
    read.type = value->second.type;
    if (value->second.readError != 0) {
        read.readError = OsResult::Fail(value->second.readError);
    } else {
        read.data = value->second.data;
    }
    return read;
}

void FakePlatform::Answer(std::initializer_list<int> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void FakePlatform::AnswerYes(int count) {
    for (int i = 0; i < count; ++i)
        answers_.push_back(platform::mb::kIdYes);
}

int FakePlatform::ShowMessage(const std::string& text, const std::string& caption, unsigned style) {
    transcript_.push_back(MessageBox{text, caption, style});
    if (onMessage)
        onMessage(transcript_.back());
    if ((style & platform::mb::kButtonsMask) != platform::mb::kYesNo)
        return platform::mb::kIdOk;
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << text;
        return platform::mb::kIdNo;
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

intptr_t FakePlatform::OpenProgram(const std::string& file, const std::string& parameters,
                                   const std::string& directory) {
    intptr_t result = startResult_ ? *startResult_ : (Find(file) ? 42 : error::kFileNotFound);
    if (result > 32)
        started_.push_back(StartedProgram{file, parameters, directory});
    return result;
}

std::string FakePlatform::NameKey(std::string_view name) {
    std::string key(name);
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(key[i]))) {
            ++i;  // the trail byte is part of the character: never folded
        } else {
            key[i] = FoldAscii(key[i]);
        }
    }
    return key;
}

bool FakePlatform::IsLeadByte(unsigned char byte) {
    return codePage932_ && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
}

}  // namespace fake
