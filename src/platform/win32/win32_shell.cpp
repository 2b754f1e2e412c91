#include "platform/win32/win32_shell.h"

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_error.h"

namespace platform::win32 {

namespace {

// Null for an empty text: the shell's "not given".
const char* OrNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

// A path list as SHFileOperationA takes it: the path, then two NULs.
std::string PathList(const std::string& path) {
  return path + std::string(2, '\0');
}

}  // namespace

std::intptr_t Win32Shell::Execute(NativeWindow owner, const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& folder, int showCommand) {
  HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), OrNull(verb), file.c_str(), OrNull(parameters),
                                   OrNull(folder), showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

NativeWindow Win32Shell::DesktopWindow() {
  return reinterpret_cast<NativeWindow>(GetDesktopWindow());
}

void Win32Shell::StartProcess(const std::string& commandLine, int showCommand) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION process{};
  std::string line = commandLine;  // CreateProcessA may write into its command line
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    DWORD code = GetLastError();
    if (code == ERROR_PATH_NOT_FOUND) code = ERROR_FILE_NOT_FOUND;
    ThrowSystemError(code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

int Win32Shell::CopyFolder(const std::string& source, const std::string& destination) {
  std::string from = PathList(source);
  std::string to = PathList(destination);
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_COPY;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  operation.fFlags = FOF_SIMPLEPROGRESS;
  return SHFileOperationA(&operation);
}

}  // namespace platform::win32
