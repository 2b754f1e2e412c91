#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"

namespace platform::win32 {

namespace {

constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMilliseconds = 25;
constexpr int kCantOpenClipboard = 521;

// Holds the clipboard open for this thread while it lives.
class OpenClipboardScope {
 public:
  OpenClipboardScope() {
    for (int attempt = 1; !OpenClipboard(nullptr); ++attempt) {
      if (attempt == kOpenAttempts) throw runtime::Error(kCantOpenClipboard, "Can't open Clipboard");
      Sleep(kOpenRetryMilliseconds);
    }
  }
  ~OpenClipboardScope() { CloseClipboard(); }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

// Copies a text into movable global memory with its NUL, as SetClipboardData takes it.
HGLOBAL GlobalText(const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) ThrowLastError();
  void* bytes = GlobalLock(memory);
  if (!bytes) {
    runtime::Error error = LastError();
    GlobalFree(memory);
    throw error;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

std::string Win32Clipboard::GetText() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return {};
  OpenClipboardScope scope;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const char* bytes = static_cast<const char*>(GlobalLock(data));
  if (!bytes) return {};
  std::string text(bytes, strnlen(bytes, GlobalSize(data)));
  GlobalUnlock(data);
  return text;
}

void Win32Clipboard::SetText(const std::string& text) {
  OpenClipboardScope scope;
  if (!EmptyClipboard()) ThrowLastError();
  HGLOBAL memory = GlobalText(text);
  if (!SetClipboardData(CF_TEXT, memory)) {
    runtime::Error error = LastError();
    GlobalFree(memory);
    throw error;
  }
}

void Win32Clipboard::Clear() {
  OpenClipboardScope scope;
  if (!EmptyClipboard()) ThrowLastError();
}

}  // namespace platform::win32
