// A stand-in for AutoCAD in the Wine tests: it writes the command line it was started with
// into "fake_acad_cmdline.txt" beside itself, byte for byte, and exits.

#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string record(self, length);
  record = record.substr(0, record.rfind('\\') + 1) + "fake_acad_cmdline.txt";
  FILE* file = std::fopen(record.c_str(), "wb");
  if (file == nullptr) return 1;
  std::fputs(GetCommandLineA(), file);
  std::fclose(file);
  return 0;
}
