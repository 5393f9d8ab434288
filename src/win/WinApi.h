// <windows.h> for the program's Win32 code: the platform seam, the form layer and the windows.
//
// The Windows headers define CopyFile, DeleteFile, MoveFile and ReplaceFile as macros, which would rename
// the methods of platform::Platform in any file that includes both; they are removed here. Win32
// code includes this header instead of <windows.h>, and calls the A functions by their full names.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>

#undef CopyFile
#undef DeleteFile
#undef MoveFile
#undef ReplaceFile
