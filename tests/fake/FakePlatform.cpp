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
        case FileOp::Move:
            return "Move";
        case FileOp::Open:
            return "Open";
        case FileOp::Resize:
            return "Resize";
        case FileOp::WriteInPlace:
            return "WriteInPlace";
        case FileOp::Flush:
            return "Flush";
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

namespace {

// The key prefix of virtual copies: they live in the same map as real files, so that the disk
// capacity counts them too.
const std::string kStorePrefix = "virtualstore:";

}  // namespace

FakePlatform::FakePlatform() = default;

std::string FakePlatform::Key(const std::string& path) const {
    return FoldAll(path);
}

std::string FakePlatform::Parent(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool FakePlatform::InVirtualFolder(const std::string& path) const {
    return virtualFolders_.count(Key(Parent(path))) != 0;
}

std::string FakePlatform::VisibleKey(const std::string& path) const {
    if (InVirtualFolder(path) && files_.count(kStorePrefix + Key(path)))
        return kStorePrefix + Key(path);
    return Key(path);
}

std::string FakePlatform::KeyForWrite(const std::string& path) {
    if (!InVirtualFolder(path))
        return Key(path);
    const std::string store = kStorePrefix + Key(path);
    if (!files_.count(store)) {
        if (const auto real = files_.find(Key(path)); real != files_.end()) {
            File copy = real->second;
            copy.heldUntil = 0;
            files_[store] = copy;
        }
    }
    return store;
}

bool FakePlatform::RealOnly(const std::string& path) const {
    return InVirtualFolder(path) && !files_.count(kStorePrefix + Key(path)) &&
           files_.count(Key(path));
}

FakePlatform::File* FakePlatform::Find(const std::string& path) {
    const auto it = files_.find(VisibleKey(path));
    return it == files_.end() ? nullptr : &it->second;
}

const FakePlatform::File* FakePlatform::Find(const std::string& path) const {
    const auto it = files_.find(VisibleKey(path));
    return it == files_.end() ? nullptr : &it->second;
}

std::optional<uint32_t> FakePlatform::Held(const File& file) const {
    if (file.openForWriting)
        return error::kSharingViolation;
    if (now_ < file.heldUntil)
        return file.heldCode;
    return std::nullopt;
}

void FakePlatform::HoldIfScanned(const std::string& path) {
    if (scanMs_ == 0)
        return;
    if (File* file = Find(path)) {
        file->heldUntil = now_ + scanMs_;
        file->heldCode = scanCode_;
    }
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
    files_[Key(path)] = File{path, bytes, attributes};
}

void FakePlatform::RemoveFile(const std::string& path) {
    files_.erase(VisibleKey(path));
}

void FakePlatform::HoldOpen(const std::string& path, bool held) {
    File* file = Find(path);
    ASSERT_NE(file, nullptr) << path;
    file->heldUntil = held ? ~uint64_t{0} : 0;
    file->heldCode = error::kSharingViolation;
}

void FakePlatform::HoldFor(const std::string& path, unsigned milliseconds, uint32_t code) {
    File* file = Find(path);
    ASSERT_NE(file, nullptr) << path;
    file->heldUntil = now_ + milliseconds;
    file->heldCode = code;
}

void FakePlatform::Virtualize(const std::string& folder) {
    AddFolder(folder);
    virtualFolders_.insert(Key(folder));
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

std::string FakePlatform::RealBytes(const std::string& path) const {
    const auto it = files_.find(Key(path));
    if (it == files_.end()) {
        ADD_FAILURE() << "no real file " << path;
        return {};
    }
    return it->second.bytes;
}

bool FakePlatform::HasVirtualCopy(const std::string& path) const {
    return files_.count(kStorePrefix + Key(path)) != 0;
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
    for (const auto& [key, file] : files_) {
        const bool virtualCopy = key.compare(0, kStorePrefix.size(), kStorePrefix) == 0;
        names.push_back(virtualCopy ? "VirtualStore:" + file.name : file.name);
    }
    return names;
}

std::size_t FakePlatform::UsedBytes() const {
    std::size_t used = 0;
    for (const auto& [key, file] : files_)
        used += file.bytes.size();
    return used;
}

void FakePlatform::FailNext(FileOp op, const std::string& pathPart, uint32_t code, int skip,
                            int times) {
    faults_.push_back(Fault{op, FoldAll(pathPart), code, skip, times});
}

void FakePlatform::FailCallAt(std::size_t index, uint32_t code, unsigned forMs) {
    faultsAt_[index] = {code, forMs};
}

std::optional<uint32_t> FakePlatform::Record(FileOp op, const std::string& path,
                                             const std::string& from) {
    const std::size_t index = calls_.size();
    calls_.push_back(FileCall{op, path, from});
    const std::string key = Key(path);
    if (const auto it = faultsAt_.find(index); it != faultsAt_.end()) {
        const auto [code, forMs] = it->second;
        if (forMs > 0) {
            const uint64_t until = forMs == kForever ? ~uint64_t{0} : now_ + forMs;
            sticky_.push_back(StickyFault{op, key, code, until});
        }
        return code;
    }
    for (const StickyFault& fault : sticky_) {
        if (fault.op == op && fault.key == key && now_ < fault.until)
            return fault.code;
    }
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->op != op || key.find(it->pathPart) == std::string::npos)
            continue;
        if (it->skip > 0) {
            --it->skip;
            continue;
        }
        const uint32_t code = it->code;
        if (it->times > 0 && --it->times == 0)
            faults_.erase(it);
        return code;
    }
    return std::nullopt;
}

bool FakePlatform::Store(const std::string& path, const std::string& bytes) {
    const std::string key = KeyForWrite(path);
    const auto existing = files_.find(key);
    const std::size_t others =
        UsedBytes() - (existing != files_.end() ? existing->second.bytes.size() : 0);
    const bool fits = !capacity_ || others + bytes.size() <= *capacity_;
    const std::string stored =
        fits ? bytes : bytes.substr(0, *capacity_ > others ? *capacity_ - others : 0);
    if (existing != files_.end()) {
        existing->second.bytes = stored;
    } else {
        files_[key] = File{path, stored};
    }
    HoldIfScanned(path);
    return fits;
}

OsResult FakePlatform::CanCreateOrWrite(const std::string& path) const {
    if (const File* file = Find(path)) {
        if (auto held = Held(*file))
            return OsResult::Fail(*held);
        if (file->attributes & attr::kReadOnly)
            return OsResult::Fail(error::kAccessDenied);
        return OsResult::Ok();
    }
    if (FolderExists(path))
        return OsResult::Fail(error::kAccessDenied);
    if (!FolderExists(Parent(path)))
        return OsResult::Fail(error::kPathNotFound);
    // A virtualized folder takes new files into the virtual store.
    if (deniedFolders_.count(Key(Parent(path))) && !InVirtualFolder(path))
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
    const File* visible = Find(path);
    if (visible == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (auto held = Held(*visible))
        return OsResult::Fail(*held);
    // A change of the attributes is a write: in a virtualized folder it makes the virtual copy.
    files_[KeyForWrite(path)].attributes = attributes;
    return OsResult::Ok();
}

bool FakePlatform::AnyMatch(const std::string& pattern) {
    const std::string folder = Key(Parent(pattern));
    const std::string mask = pattern.substr(pattern.rfind('\\') + 1);
    const auto nameIn = [&](std::string key) -> std::optional<std::string> {
        if (key.compare(0, kStorePrefix.size(), kStorePrefix) == 0)
            key = key.substr(kStorePrefix.size());
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
    if (auto held = Held(*source))
        return OsResult::Fail(*held);
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
    if (auto held = Held(*file))
        return OsResult::Fail(*held);
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

OsResult FakePlatform::ReplaceFailingHalfWay(uint32_t code, const std::string& target,
                                             const std::string& replacement,
                                             const std::string& backup) {
    const std::string targetKey = VisibleKey(target);
    if (!files_.count(targetKey) || !Find(replacement) || RealOnly(target))
        return OsResult::Fail(code);
    const bool named = !backup.empty() && !ignoreBackupName_;
    if (code == error::kUnableToMoveReplacement && named)
        return OsResult::Fail(code);  // both files keep their names
    File old = files_[targetKey];
    files_.erase(targetKey);
    if (code == error::kUnableToMoveReplacement2) {
        // The replaced file lives on under the backup name, or under a name of the system's.
        const std::string to = named ? backup : Parent(target) + "\\~replaced.tmp";
        old.name = to;
        files_[KeyForWrite(to)] = old;
        Find(replacement)->attributes = old.attributes;
    }
    return OsResult::Fail(code);
}

OsResult FakePlatform::ReplaceFile(const std::string& target, const std::string& replacement,
                                   const std::string& backup) {
    if (auto fault = Record(FileOp::Replace, target, replacement)) {
        if (*fault == error::kUnableToMoveReplacement ||
            *fault == error::kUnableToMoveReplacement2) {
            return ReplaceFailingHalfWay(*fault, target, replacement, backup);
        }
        return OsResult::Fail(*fault);
    }
    const File* source = Find(replacement);
    if (source == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (auto held = Held(*source))
        return OsResult::Fail(*held);
    const File* old = Find(target);
    if (old == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (auto held = Held(*old))
        return OsResult::Fail(*held);
    if ((old->attributes & attr::kReadOnly) || RealOnly(target) || RealOnly(replacement))
        return OsResult::Fail(error::kAccessDenied);
    const bool named = !backup.empty() && !ignoreBackupName_;
    if (named && Find(backup))
        return OsResult::Fail(error::kAlreadyExists);
    File replaced = *old;
    File moved{old->name, source->bytes, old->attributes};
    files_.erase(VisibleKey(replacement));
    files_.erase(VisibleKey(target));
    files_[KeyForWrite(target)] = moved;
    if (named) {
        replaced.name = backup;
        files_[KeyForWrite(backup)] = replaced;
    }
    return OsResult::Ok();
}

OsResult FakePlatform::MoveFile(const std::string& from, const std::string& to,
                                bool replaceExisting) {
    if (auto fault = Record(FileOp::Move, to, from))
        return OsResult::Fail(*fault);
    const File* source = Find(from);
    if (source == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (auto held = Held(*source))
        return OsResult::Fail(*held);
    if (RealOnly(from))
        return OsResult::Fail(error::kAccessDenied);
    if (const File* existing = Find(to)) {
        if (!replaceExisting)
            return OsResult::Fail(error::kAlreadyExists);
        if (Held(*existing) || (existing->attributes & attr::kReadOnly) || RealOnly(to))
            return OsResult::Fail(error::kAccessDenied);
    } else if (OsResult can = CanCreateOrWrite(to); !can.ok()) {
        return can;
    }
    File moved = *source;
    moved.name = to;
    files_.erase(VisibleKey(from));
    if (const File* existing = Find(to); existing != nullptr)
        files_.erase(VisibleKey(to));
    files_[KeyForWrite(to)] = moved;
    return OsResult::Ok();
}

// The fake's in-place writer: a file of the fake held open by the program.
class FakeWritableFile : public platform::WritableFile {
  public:
    FakeWritableFile(FakePlatform& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    ~FakeWritableFile() override {
        if (FakePlatform::File* file = fs_.Find(path_))
            file->openForWriting = false;
    }
    FakeWritableFile(const FakeWritableFile&) = delete;
    FakeWritableFile& operator=(const FakeWritableFile&) = delete;

    OsResult SetSize(uint64_t size) override {
        if (auto fault = fs_.Record(FileOp::Resize, path_, {}))
            return OsResult::Fail(*fault);
        FakePlatform::File& file = *fs_.Find(path_);
        std::string resized = file.bytes;
        resized.resize(static_cast<std::size_t>(size), '\0');
        if (!Fits(resized.size()))
            return OsResult::Fail(error::kDiskFull);
        file.bytes = resized;
        return OsResult::Ok();
    }
    OsResult WriteFromStart(const std::string& bytes) override {
        FakePlatform::File& file = *fs_.Find(path_);
        if (auto fault = fs_.Record(FileOp::WriteInPlace, path_, {})) {
            Overwrite(file, bytes.substr(0, bytes.size() / 2));
            return OsResult::Fail(*fault);
        }
        if (!Fits(std::max(file.bytes.size(), bytes.size()))) {
            // Writes until the disk is full.
            const std::size_t room =
                fs_.capacity_ && *fs_.capacity_ > Others() ? *fs_.capacity_ - Others() : 0;
            Overwrite(file, bytes.substr(0, std::min(room, bytes.size())));
            return OsResult::Fail(error::kDiskFull);
        }
        Overwrite(file, bytes);
        return OsResult::Ok();
    }
    OsResult Flush() override {
        if (auto fault = fs_.Record(FileOp::Flush, path_, {}))
            return OsResult::Fail(*fault);
        return OsResult::Ok();
    }

  private:
    static void Overwrite(FakePlatform::File& file, const std::string& bytes) {
        if (file.bytes.size() < bytes.size())
            file.bytes.resize(bytes.size(), '\0');
        file.bytes.replace(0, bytes.size(), bytes);
    }
    std::size_t Others() const { return fs_.UsedBytes() - fs_.Find(path_)->bytes.size(); }
    bool Fits(std::size_t size) const {
        return !fs_.capacity_ || Others() + size <= *fs_.capacity_;
    }

    FakePlatform& fs_;
    std::string path_;
};

OsResult FakePlatform::OpenForWriting(const std::string& path,
                                      std::unique_ptr<platform::WritableFile>& file) {
    if (auto fault = Record(FileOp::Open, path, {}))
        return OsResult::Fail(*fault);
    if (Find(path) == nullptr)
        return OsResult::Fail(FolderExists(path) ? error::kAccessDenied : error::kFileNotFound);
    if (OsResult can = CanCreateOrWrite(path); !can.ok())
        return can;
    File& opened = files_[KeyForWrite(path)];
    opened.openForWriting = true;
    file = std::make_unique<FakeWritableFile>(*this, path);
    return OsResult::Ok();
}

OsResult FakePlatform::DeleteFile(const std::string& path) {
    if (auto fault = Record(FileOp::Delete, path, {}))
        return OsResult::Fail(*fault);
    const File* file = Find(path);
    if (file == nullptr)
        return OsResult::Fail(error::kFileNotFound);
    if (auto held = Held(*file))
        return OsResult::Fail(*held);
    if ((file->attributes & attr::kReadOnly) || RealOnly(path))
        return OsResult::Fail(error::kAccessDenied);
    files_.erase(VisibleKey(path));
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
