#pragma once

#include <cstdint>

#include "ui/win32/win32_ui_api.h"

// The plumbing between Windows and the objects that handle a window's messages: windows of
// our own classes keep their handler in GWLP_USERDATA, standard controls are subclassed.
//
// No exception may cross the system's frames. A handler that fails (or a handler of the
// model that ends the program) keeps its exception with KeepCurrentException; the back end's
// own loops rethrow it with RethrowKeptException once the system has returned to them.
namespace ui::win32 {

class WindowHandler {
 public:
  virtual ~WindowHandler() = default;
  // Handles one message; calls the default processing itself when it wants it.
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The window is being destroyed (WM_NCDESTROY); the handler must forget it.
  virtual void WindowDestroyed(HWND window) {}
};

// Our window classes.
inline constexpr const char* kFormClass = "TornavaneForm";      // a form's top-level window
inline constexpr const char* kPanelClass = "TornavanePanel";    // frames, picture boxes, tab pages
inline constexpr const char* kHelperClass = "TornavaneHelper";  // the back end's hidden window
inline constexpr const char* kDialogClass = "TornavaneDialog";  // the input box

// Registers the classes once per process.
void RegisterWindowClasses();

// Creates a window of one of our classes, handled by handler from its first message on.
HWND CreateHandledWindow(DWORD exStyle, const char* className, const char* text, DWORD style, const RECT& bounds,
                         HWND parent, HMENU menuOrId, WindowHandler* handler);

// Sends a standard control's messages to handler first; the handler calls DefaultProc for
// the control's own processing (windows of our own classes use DefWindowProcA). Unhooked by
// itself when the window is destroyed.
void HookWindow(HWND window, WindowHandler* handler);
LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Stops sending a window's messages to its handler (before the handler goes away).
void Unhook(HWND window, bool ownClass);

// Whether a window procedure of ours is on the stack (the system's frames are below).
bool InsideWindowProc();

// How many messages the windows' handlers have been given. Every handler of the program, and
// every change the user makes to a control, comes through one.
std::uint64_t MessagesHandled();

// Exceptions kept while the system's frames are on the stack; the first one kept wins.
void KeepCurrentException();
void RethrowKeptException();
bool HasKeptException();

}  // namespace ui::win32
