// Files and folders for the program under test, through the ANSI Windows calls it uses itself.
// Every function throws std::runtime_error, naming the path and the Windows error, when the
// set-up it is asked for cannot be made: a test must not go on from a wrong start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace e2e {

// Creates the folder and any missing folders above it.
void MakeFolders(const std::string& path);

// Creates or replaces the file with exactly these bytes; creates missing folders above it.
void WriteBytes(const std::string& path, const std::string& bytes);

// The file's bytes, or nothing when no file of that name exists.
std::optional<std::string> ReadBytes(const std::string& path);

bool FileExists(const std::string& path);

// GetFileAttributesA, or nothing when there is no file or folder of that name.
std::optional<uint32_t> Attributes(const std::string& path);
void SetAttributes(const std::string& path, uint32_t attributes);

// Copies a file, replacing the target.
void CopyFileOver(const std::string& from, const std::string& to);

// A file held open by this process with share mode 0, as another program would hold it: every
// other open, copy or replace of it fails until the object is destroyed or Release is called.
class HeldFile {
  public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    void Release();

  private:
    void* handle_;
};

}  // namespace e2e
