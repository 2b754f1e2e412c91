#pragma once

// <windows.h> with the common controls and the shell's drop functions, for the Win32 back end
// of the window model. Include this instead of <windows.h>; call the ANSI functions by their
// A names.
// clang-format off
#include "platform/win32/win32_api.h"
#include <commctrl.h>
#include <windowsx.h>
// clang-format on
