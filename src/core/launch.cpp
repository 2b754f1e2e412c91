#include "core/launch.h"

#include "core/app_title.h"
#include "core/file_helpers.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace core {

namespace {

constexpr int kShowNormal = 1;
constexpr std::intptr_t kShellSuccessAbove = 32;

struct CommandParts {
  std::string program;
  std::string parameters;
};

CommandParts SplitCommandLine(std::string_view commandLine) {
  if (commandLine.starts_with('"')) {
    std::size_t closing = commandLine.find('"', 1);
    if (closing == std::string_view::npos) return {std::string(commandLine), ""};
    return {std::string(commandLine.substr(1, closing - 1)), runtime::LTrim(commandLine.substr(closing + 1))};
  }
  std::size_t blank = commandLine.find(' ');
  if (blank == std::string_view::npos) return {std::string(commandLine), ""};
  return {std::string(commandLine.substr(0, blank)), runtime::LTrim(commandLine.substr(blank))};
}

// The program's own folder; a root ("C:\", "\") keeps its backslash.
std::string ProgramFolder(platform::FileSystem& fs, std::string_view program) {
  std::size_t sep = program.rfind('\\');
  if (sep == std::string_view::npos) {
    try {
      return fs.CurrentFolder();
    } catch (const runtime::Error&) {
      return "";
    }
  }
  if (sep == 0 || program[sep - 1] == ':') return std::string(program.substr(0, sep + 1));
  return std::string(program.substr(0, sep));
}

std::string OopsText(std::string_view commandLine) {
  std::string text = " ";
  text += runtime::UpperCase(ShortenPath(commandLine));
  text += " string is incorrect...\r";
  text += " Please check your settings (under the 'Tools -> Options' menu) or contact ";
  text += kSupportEmail;
  text += '.';
  return text;
}

// The fallback when the shell refuses: the command line as given, quotes and all.
void StartDirectly(platform::Shell& shell, ui::MessageService& messages, std::string_view commandLine,
                   int showCommand) {
  try {
    shell.StartProcess(std::string(commandLine), showCommand);
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileNotFound) messages.Show({.text = OopsText(commandLine), .title = "Oops"});
  }
}

}  // namespace

std::int32_t LaunchProgram(platform::Shell& shell, platform::FileSystem& fs, ui::MessageService& messages,
                           std::string_view commandLine, int showCommand,
                           const std::optional<std::string>& workingFolder) {
  CommandParts parts = SplitCommandLine(commandLine);
  std::string folder = workingFolder ? *workingFolder : ProgramFolder(fs, parts.program);
  std::intptr_t result = 0;
  try {
    result = shell.Execute(0, "", parts.program, parts.parameters, folder, showCommand);
  } catch (const runtime::Error&) {
    result = 0;
  }
  if (result < kShellSuccessAbove) StartDirectly(shell, messages, commandLine, showCommand);
  return static_cast<std::int32_t>(result);
}

void OpenWithShell(platform::Shell& shell, platform::NativeWindow owner, const std::string& target) {
  try {
    shell.Execute(owner, "open", target, "", "", kShowNormal);
  } catch (const runtime::Error&) {
    return;
  }
}

void ShellFileCopy(platform::Shell& shell, const std::string& source, const std::string& destination) {
  try {
    shell.CopyFolder(source, destination);
  } catch (const runtime::Error&) {
    return;
  }
}

}  // namespace core
