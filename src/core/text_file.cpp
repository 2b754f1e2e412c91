#include "core/text_file.h"

#include "runtime/error.h"
#include "runtime/text.h"

namespace core {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTempSuffix = ".~tmp";

// Creates or replaces the file in place. Only the FileSystem interface is used, so this
// library needs no link to the platform library.
void WriteDirect(platform::FileSystem& fs, const std::string& path, std::string_view bytes) {
  auto file = fs.OpenForWrite(path, false);
  file->Write(bytes);
  file->Close();
}

void Write(platform::FileSystem& fs, const std::string& path, std::string_view bytes, WriteMode mode) {
  if (mode == WriteMode::kSafe) {
    WriteFileSafely(fs, path, bytes);
  } else {
    WriteDirect(fs, path, bytes);
  }
}

// Removes the temporary file after a failed safe write, keeping the original failure.
void DiscardQuietly(platform::FileSystem& fs, const std::string& tempPath) {
  try {
    fs.DeleteFile(tempPath);
  } catch (...) {
    // The temporary file may never have been created; the first failure is the one to report.
  }
}

}  // namespace

std::string LineListText(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text.append(line);
    text.append(kLineEnd);
  }
  return text;
}

std::string LineListText(std::size_t count, const std::function<std::string_view(std::size_t)>& line) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text.append(line(i));
    text.append(kLineEnd);
  }
  return text;
}

std::vector<std::string> ReadLineList(platform::FileSystem& fs, const std::string& path) {
  return runtime::SplitLines(fs.ReadAll(path));
}

void WriteLineList(platform::FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                   WriteMode mode) {
  Write(fs, path, LineListText(lines), mode);
}

std::optional<std::string> ReadTextDump(platform::FileSystem& fs, const std::string& path) {
  std::string text = fs.ReadAll(path);
  if (text.size() < kLineEnd.size()) return std::nullopt;
  text.resize(text.size() - kLineEnd.size());
  return text;
}

std::string WithoutFinalLineEnd(std::string text) {
  if (text.ends_with(kLineEnd)) text.resize(text.size() - kLineEnd.size());
  return text;
}

void WriteTextDump(platform::FileSystem& fs, const std::string& path, std::string_view text, WriteMode mode) {
  std::string bytes(text);
  bytes.append(kLineEnd);
  Write(fs, path, bytes, mode);
}

std::vector<std::string> ReadFixedRecord(platform::FileSystem& fs, const std::string& path, std::size_t lineCount) {
  std::vector<std::string> values = ReadLineList(fs, path);
  values.resize(lineCount);
  return values;
}

void WriteFixedRecord(platform::FileSystem& fs, const std::string& path, const std::vector<std::string>& values,
                      WriteMode mode) {
  WriteLineList(fs, path, values, mode);
}

std::string SafeWriteTempPath(const std::string& path) {
  return path + std::string(kTempSuffix);
}

void RemoveLeftoverTemps(platform::FileSystem& fs, const std::string& folder) {
  std::vector<platform::DirEntry> entries;
  try {
    entries = fs.Find(folder + "\\*" + std::string(kTempSuffix));
  } catch (const runtime::Error&) {
    return;  // a drive not ready: nothing to tidy
  }
  for (const platform::DirEntry& entry : entries) {
    if ((entry.attributes & platform::kAttrDirectory) != 0) continue;
    DiscardQuietly(fs, folder + "\\" + entry.name);
  }
}

void RemoveLeftoverTemp(platform::FileSystem& fs, const std::string& path) {
  DiscardQuietly(fs, SafeWriteTempPath(path));
}

void WriteFileSafely(platform::FileSystem& fs, const std::string& path, std::string_view bytes) {
  const std::string tempPath = SafeWriteTempPath(path);
  try {
    WriteDirect(fs, tempPath, bytes);
    fs.ReplaceFile(tempPath, path);
  } catch (...) {
    DiscardQuietly(fs, tempPath);
    throw;
  }
}

}  // namespace core
