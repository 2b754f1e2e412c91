#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/shell.h"
#include "ui/message_box.h"

namespace core {

// Starts the program of commandLine through the shell. A program in double quotes ends at the
// closing quote, otherwise at the first blank; the rest, less leading blanks, is its parameters.
// Without a working folder it starts in its own folder (a drive root keeps its backslash), or
// in the current folder when the program names none. When the shell refuses, the command line
// is started directly. When that finds no program, the "Oops" message asks the user to check
// the settings. Returns the shell's result (above 32 on success). Does not wait.
std::int32_t LaunchProgram(platform::Shell& shell, platform::FileSystem& fs, ui::MessageService& messages,
                           std::string_view commandLine, int showCommand,
                           const std::optional<std::string>& workingFolder = std::nullopt);

// Opens a document, web page or mail link with its default program in a normal window.
// Failures are ignored.
void OpenWithShell(platform::Shell& shell, platform::NativeWindow owner, const std::string& target);

// Copies a folder with the shell's progress window. Failures are ignored.
void ShellFileCopy(platform::Shell& shell, const std::string& source, const std::string& destination);

}  // namespace core
