// Functions of Windows system DLLs that only some commands need, loaded when first called for:
// the program does not pay for loading the shell and COM at start-up.
#pragma once

#include "win/WinApi.h"

namespace win {

// The DLL of that name from the Windows system folder (never from the program's or the working
// folder), loaded once and kept for the program's life; null when it cannot be loaded.
HMODULE SystemLibrary(const char* dll);

// The function `name` of the system DLL `dll`, as a pointer of type `Function*`; null when the
// DLL or the function is missing.
template <typename Function>
Function* SystemFunction(const char* dll, const char* name) {
    const HMODULE module = SystemLibrary(dll);
    if (module == nullptr)
        return nullptr;
    // GetProcAddress answers every function with one pointer type.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace win
