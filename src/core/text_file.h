#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

// The three layouts of the program's data files, all 8-bit text with CR LF line ends:
//   line list     one item a line, every line ended by CR LF; an empty list is an empty file
//   text dump     a box's whole text followed by one CR LF
//   fixed record  a fixed number of lines in a fixed order, each ended by CR LF
// Readers take CR LF, a lone CR or a lone LF as a line end, and a last line without one.
// Every failure of the file system propagates as runtime::Error.
namespace core {

enum class WriteMode {
  kDirect,  // create or replace the file in place
  kSafe,    // write beside it and replace it in one step (see WriteFileSafely)
};

// The bytes of a line list: every line followed by CR LF.
std::string LineListText(const std::vector<std::string>& lines);
// The same for count lines that line(i) gives (a list box's items), with no copy of them.
std::string LineListText(std::size_t count, const std::function<std::string_view(std::size_t)>& line);

std::vector<std::string> ReadLineList(platform::FileSystem& fs, const std::string& path);
void WriteLineList(platform::FileSystem& fs, const std::string& path, const std::vector<std::string>& lines,
                   WriteMode mode = WriteMode::kDirect);

// The file's text less its last two characters (the CR LF the writer added); nullopt when
// the file holds fewer than two characters.
std::optional<std::string> ReadTextDump(platform::FileSystem& fs, const std::string& path);
// A user script as read from its file: the text less its final CR LF when it ends in one;
// any other text (a short one, one written without a final line end) comes back whole.
std::string WithoutFinalLineEnd(std::string text);
void WriteTextDump(platform::FileSystem& fs, const std::string& path, std::string_view text,
                   WriteMode mode = WriteMode::kDirect);

// Exactly lineCount values; lines the file does not have come back empty and lines past
// lineCount are ignored. Callers that must tell a short file apart read it as a line list.
std::vector<std::string> ReadFixedRecord(platform::FileSystem& fs, const std::string& path, std::size_t lineCount);
void WriteFixedRecord(platform::FileSystem& fs, const std::string& path, const std::vector<std::string>& values,
                      WriteMode mode = WriteMode::kDirect);

// Writes bytes to a temporary file in the target's folder, then moves it over the target in
// one step, so a failure part-way leaves the previous file as it was. The temporary file is
// deleted when anything fails.
void WriteFileSafely(platform::FileSystem& fs, const std::string& path, std::string_view bytes);

// The name of the temporary file WriteFileSafely uses for path.
std::string SafeWriteTempPath(const std::string& path);

// Deletes the temporary files a safe write left in folder when the program was ended in the
// middle of it. Never fails: a file that cannot go stays.
void RemoveLeftoverTemps(platform::FileSystem& fs, const std::string& folder);
// The same for the one temporary file of path, in a folder the program shares with others.
void RemoveLeftoverTemp(platform::FileSystem& fs, const std::string& path);

}  // namespace core
