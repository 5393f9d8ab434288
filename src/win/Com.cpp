#include "win/Com.h"

#include <objbase.h>

#include "win/SystemFunction.h"

namespace win {

bool InitializeCom() {
    static const bool usable = [] {
        using CoInitializeExFunction = HRESULT WINAPI(LPVOID, DWORD);
        auto* coInitializeEx =
            SystemFunction<CoInitializeExFunction>("ole32.dll", "CoInitializeEx");
        if (coInitializeEx == nullptr)
            return false;
        const HRESULT result =
            coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        // Another mode already chosen on this thread still lets the shell work.
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    return usable;
}

}  // namespace win
