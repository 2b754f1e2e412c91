#pragma once

// <windows.h> (and the shell's <shellapi.h>, which needs it first) for the Win32 platform
// services, without the macros that would rename our own methods of the same names
// (FileSystem::DeleteFile, CopyFile, ReplaceFile). Include this instead of <windows.h>; call
// the ANSI functions by their A names.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#undef CopyFile
#undef DeleteFile
#undef ReplaceFile
