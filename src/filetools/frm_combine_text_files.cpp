#include "filetools/frm_combine_text_files.h"

#include <memory>

#include "app/app.h"
#include "core/app_title.h"
#include "core/path_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace filetools {

namespace {

constexpr int kShowNormally = 5;
constexpr std::string_view kRefusedNameCharacters = "\\/:*?\"<>|";

constexpr const char* kExplanation =
    "The purpose of this Tool is to facilitate the use of AutoCAD's \r\n"
    "EATTEXT command (which normally outputs one CSV file \r\n"
    "per DWG file during an attribute extraction)\r\n"
    "\r\n"
    "ALL CSV and TXT files in the file QUEUE, will be combined \r\n"
    "into ONE CONTINUOUS file specified (on the left).\r\n"
    "\r\n"
    "Specify your OUTPUT filename, and press GO to combine.\r\n";

// The steps a failure message names.
constexpr int kStepCreate = 100;
constexpr int kStepOpenInput = 104;
constexpr int kStepWrite = 110;
constexpr int kStepClose = 116;

void DeleteQuietly(platform::FileSystem& fs, const std::string& path) {
  try {
    fs.DeleteFile(path);
  } catch (const runtime::Error&) {
    // A temporary file that cannot go stays; the failure already reported is the one that counts.
  }
}

}  // namespace

std::string CombinedLines(std::string_view text) {
  std::string lines;
  lines.reserve(text.size() + 2);
  std::size_t start = 0;
  for (std::size_t at = text.find('\r'); at != std::string_view::npos; at = text.find('\r', start)) {
    lines.append(text.substr(start, at - start));
    lines.append("\r\n");
    start = at + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  if (start < text.size()) {
    lines.append(text.substr(start));
    lines.append("\r\n");
  }
  return lines;
}

std::string OutputNameProblem(std::string_view name) {
  if (name.empty()) return "Please enter an Output Filename.";
  if (name.find_first_of(kRefusedNameCharacters) != std::string_view::npos) {
    return "An Output Filename may not hold any of these characters:  \\ / : * ? \" < > |";
  }
  return "";
}

frmCombineTextFiles::frmCombineTextFiles(app::App& app) : FolderPicker(app, "frmCombineTextFiles") {
  SetCaption("Combine Text Files");
  Move(0, 0, 8775, 4755);
  Label1.SetCaption("Select Path");
  Label1.Move(120, 120, 3135, 255);
  Drive1.Move(120, 390, 3135, 315);
  Dir1.Move(120, 780, 3135, 2340);
  Label2.SetCaption("Output Filename:");
  Label2.Move(120, 3210, 3135, 255);
  tbFileName.SetText("output.csv");
  tbFileName.Move(120, 3480, 3135, 315);
  cmdCombine.SetCaption("&Go");
  cmdCombine.Move(3480, 3450, 1215, 375);
  Text1.SetMultiLine(true);
  Text1.SetLocked(true);
  Text1.SetText(kExplanation);
  Text1.Move(3480, 120, 5055, 3135);

  onLoad = [this] { Form_Load(); };
  cmdCombine.onClick = [this] { cmdCombine_Click(); };
}

void frmCombineTextFiles::Form_Load() {
  mainwindow::frmMain& main = app_.frmMain();
  try {
    Drive1.SetDrive(main.Drive1.Drive());
    Dir1.SetPath(main.Dir1.Path());
  } catch (const runtime::Error&) {
    // The browser's folder went away meanwhile: the lists start where they are.
  }
}

void frmCombineTextFiles::cmdCombine_Click() {
  const std::string problem = OutputNameProblem(tbFileName.Text());
  if (!problem.empty()) {
    Ctx().MsgBox({.text = problem, .title = std::string(core::kAppTitle), .icon = ui::MsgIcon::kExclamation});
    return;
  }
  const std::string path = core::JoinPath(Dir1.Path(), tbFileName.Text());
  if (!OutputAccepted(path)) return;
  if (core::PathFileExists(Ctx().Services().fileSystem, path) != 0) {
    const ui::MsgAnswer answer = Ctx().MsgBox({.text = "Output file already exists!  Overwrite it?",
                                               .title = "Overwrite?",
                                               .buttons = ui::MsgButtons::kYesNo,
                                               .icon = ui::MsgIcon::kExclamation});
    if (answer != ui::MsgAnswer::kYes) return;
  }
  WriteOutputFile(path);
}

bool frmCombineTextFiles::OutputAccepted(const std::string& path) {
  std::string refusal;
  if (core::PathIsFolder(Ctx().Services().fileSystem, path) != 0) {
    refusal = "Output file is a folder:\r\n" + path + "\r\nPlease enter another Output Filename.";
  } else {
    const ui::ListBox& queue = app_.frmMain().List1;
    for (int i = 0; i < queue.ListCount() && refusal.empty(); ++i) {
      if (runtime::EqualsNoCase(queue.List(i), path)) {
        refusal = "Output file is in the File Queue:\r\n" + path + "\r\nPlease enter another Output Filename.";
      }
    }
  }
  if (refusal.empty()) return true;
  Ctx().MsgBox({.text = refusal, .title = std::string(core::kAppTitle), .icon = ui::MsgIcon::kExclamation});
  return false;
}

// Every queued file in turn, line by line; a file that cannot be read is reported and left
// out. The old output stays whole until the new one is complete.
void frmCombineTextFiles::WriteOutputFile(const std::string& path) {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  const std::string tempPath = core::SafeWriteTempPath(path);
  std::unique_ptr<platform::OutputFile> output;
  try {
    output = fs.OpenForWrite(tempPath, false);
  } catch (const runtime::Error& error) {
    ReportStep("WriteOutputFile", error.Description(), kStepCreate);
    return;
  }
  const ui::ListBox& queue = app_.frmMain().List1;
  const int count = queue.ListCount();
  int step = kStepWrite;
  try {
    for (int i = 0; i < count; ++i) {
      std::string text;
      try {
        text = fs.ReadAll(queue.List(i));
      } catch (const runtime::Error& error) {
        ReportStep("WriteOutputFile", error.Description(), kStepOpenInput);
        continue;
      }
      output->Write(CombinedLines(text));
    }
    step = kStepClose;
    output->Close();
    output.reset();
    fs.ReplaceFile(tempPath, path);
  } catch (const runtime::Error& error) {
    output.reset();
    DeleteQuietly(fs, tempPath);
    ReportStep("WriteOutputFile", error.Description(), step);
    return;
  }
  OfferToOpen(path);
}

void frmCombineTextFiles::ReportStep(const std::string& procedure, const std::string& description, int step) {
  Ctx().MsgBox({description + "\r\nin Tornavane.frmCombineTextFiles." + procedure + " at line " + std::to_string(step),
                std::string(core::kAppTitle)});
}

void frmCombineTextFiles::OfferToOpen(const std::string& path) {
  const ui::MsgAnswer answer =
      Ctx().MsgBox({.text = "File Created...\r\n\r\nWould you like to open the file now in it's associated program?",
                    .title = "Open File?",
                    .buttons = ui::MsgButtons::kYesNo,
                    .icon = ui::MsgIcon::kExclamation});
  if (answer != ui::MsgAnswer::kYes) return;
  platform::Shell& shell = Ctx().Services().shell;
  try {
    shell.Execute(shell.DesktopWindow(), "open", path, "", core::DriveRoot(Drive1.Drive()), kShowNormally);
  } catch (const runtime::Error&) {
    // The shell's answer is not looked at.
  }
}

}  // namespace filetools
