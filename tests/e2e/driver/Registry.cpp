#include "driver/Registry.h"

#include <windows.h>

#include <stdexcept>

#include "driver/Text.h"

namespace e2e {
namespace {

constexpr REGSAM kView32 = KEY_WOW64_32KEY;

[[noreturn]] void Fail(const std::string& what, const std::string& subkey, LONG code) {
    throw std::runtime_error(what + " HKLM\\" + subkey + ": " +
                             ErrorText(static_cast<unsigned long>(code)));
}

HKEY OpenForWriting(const std::string& subkey) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | kView32, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS) {
        Fail("cannot create", subkey, rc);
    }
    return key;
}

}  // namespace

void CreateKey(const std::string& subkey) {
    RegCloseKey(OpenForWriting(subkey));
}

void DeleteKeyTree(const std::string& subkey) {
    std::string parentPath = ParentFolder(subkey);
    std::string leaf = subkey.substr(parentPath.empty() ? 0 : parentPath.size() + 1);
    HKEY parent = nullptr;
    LONG rc =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, parentPath.c_str(), 0, KEY_ALL_ACCESS | kView32, &parent);
    if (rc == ERROR_FILE_NOT_FOUND) {
        return;
    }
    if (rc != ERROR_SUCCESS) {
        Fail("cannot open", parentPath, rc);
    }
    rc = RegDeleteTreeA(parent, leaf.c_str());
    RegCloseKey(parent);
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) {
        Fail("cannot delete", subkey, rc);
    }
}

void SetValue(const std::string& subkey, const std::string& name, uint32_t type,
              const std::string& data) {
    HKEY key = OpenForWriting(subkey);
    LONG rc = RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) {
        Fail("cannot write the value \"" + name + "\" of", subkey, rc);
    }
}

void SetString(const std::string& subkey, const std::string& name, const std::string& text,
               uint32_t type) {
    SetValue(subkey, name, type, text + std::string(1, '\0'));
}

void SetDword(const std::string& subkey, const std::string& name, uint32_t number) {
    SetValue(subkey, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
}

}  // namespace e2e
