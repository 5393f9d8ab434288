// COM on the user-interface thread, for the shell's folder browser and ShellExecuteA.
#pragma once

namespace win {

// Initialises COM on the calling thread (single-threaded apartment, without OLE1 DDE) the first
// time it is called, loading ole32 then; it stays initialised for the program's life. True when
// COM is usable on the thread, also when someone else initialised it first.
bool InitializeCom();

}  // namespace win
