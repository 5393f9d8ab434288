// Registry set-up for a case: keys and values under HKEY_LOCAL_MACHINE in the 32-bit view, where
// the 32-bit installers of FS2002 and the add-on write them on 64-bit Windows. Throws
// std::runtime_error when a key or value cannot be written.
#pragma once

#include <cstdint>
#include <string>

namespace e2e {

// Creates the key (and the keys above it) if it is missing.
void CreateKey(const std::string& subkey);

// Removes the key with all its values and subkeys; no effect when it is missing.
void DeleteKeyTree(const std::string& subkey);

// Writes a value of the given registry type with exactly these data bytes. For REG_SZ and
// REG_EXPAND_SZ use SetString, which adds the terminator.
void SetValue(const std::string& subkey, const std::string& name, uint32_t type,
              const std::string& data);

// A string value (REG_SZ, or REG_EXPAND_SZ) with its terminating NUL. `text` may hold NULs.
void SetString(const std::string& subkey, const std::string& name, const std::string& text,
               uint32_t type = 1);

void SetDword(const std::string& subkey, const std::string& name, uint32_t number);

}  // namespace e2e
