#include "batch/drawing_block.h"

#include "batch/save_as.h"
#include "core/path_helpers.h"

namespace batch {

namespace {

// AutoLISP guards: answer "_Y" first when the drawing open now has unsaved changes.
constexpr std::string_view kOpenGuard = R"((if (/= (getvar "DBMOD") 0)(command "_.OPEN" "_Y")(command "_.OPEN")))";
constexpr std::string_view kRecoverGuard =
    R"((if (/= (getvar "DBMOD") 0)(command "_.RECOVER" "_Y")(command "_.RECOVER")))";
constexpr std::string_view kDgOpenWithAnswer =
    R"((if (/= (getvar "DBMOD") 0)(command "_DGOPEN" "_Y")(command "_DGOPEN")))";
constexpr std::string_view kDgOpenWithoutAnswer =
    R"((if (/= (getvar "DBMOD") 0)(command "_DGOPEN")(command "_DGOPEN")))";

constexpr std::string_view kStatusLine = R"((SETVAR "MODEMACRO" "Drawing $COUNTER$ of $FILECOUNTINQUEUE$"))";

// The marker comment lines, each with its line end.
constexpr std::string_view kStartPreUserScript = "; << START OF PRE-USERSCRIPT COMMANDS >>\r\n";
// The end of the pre-user-script line and the marker after it, appended at once.
constexpr std::string_view kEndLineStartUserScript = "\r\n; << START OF USER SCRIPT >>\r\n";
constexpr std::string_view kEndUserScript = "; << END OF USER SCRIPT >>\r\n";
constexpr std::string_view kStartPostUserScript = "; << START OF POST-USERSCRIPT COMMANDS >>\r\n";
constexpr std::string_view kEndPostUserScript = "; << END OF POST-USERSCRIPT COMMANDS >>\r\n";

// Appends a line and its end.
void AddLine(std::string& out, std::string_view line) {
  out += line;
  out += kCrLf;
}

// Appends the line of the drawing's path: lead (ending in the opening quote), the path and
// end (the closing quote, what follows it and the line end). Few appends, as every block has
// this line.
void AddPathLine(std::string& out, std::string_view lead, std::string_view path, std::string_view end) {
  out += lead;
  out += path;
  out += end;
}

void AddDwgGatewayLines(std::string& out, std::string_view path, FileState state, bool lockedFileSeen) {
  if (state == FileState::kNormal) {
    AddLine(out, ";NORMAL FILE LOAD");
    AddLine(out, kDgOpenWithAnswer);
    AddLine(out, path);
  } else if (!lockedFileSeen) {
    AddLine(out, ";LOCKED FILE");
    AddLine(out, kDgOpenWithoutAnswer);
    AddLine(out, path);
  } else {
    AddLine(out, ";*** PREVIOUS LOCKED FILE");
    AddLine(out, kDgOpenWithoutAnswer);
    AddLine(out, path);
    AddLine(out, "_Y");
  }
}

// Appends the pre-user-script commands and the user script, with their markers.
void AddBody(std::string& out, const DrawingSettings& settings, const DrawingBlockInput& input,
             ScriptServices& services, DrawingBlock& block) {
  block.userScript.clear();
  services.AppendProjectAndTAGS(block.userScript, settings.Text1, input.counter, input.path, input.position);
  std::string withStatus;
  std::string_view pre = settings.tbPreUserScript;
  if (settings.chkIncludeStatus == 1) {
    withStatus = kStatusLine;
    if (!pre.empty()) {
      withStatus += kCrLf;
      withStatus += pre;
    }
    pre = withStatus;
  }
  if (!pre.empty()) {
    const bool markers = settings.DebugComments == 1;
    if (markers) out += kStartPreUserScript;
    services.AppendTAGS(out, pre, input.counter, input.path, input.position);
    out += markers ? kEndLineStartUserScript : kCrLf;
  }
  out += block.userScript;
}

// "_QSAVE" after the user script: only a normal drawing, and never in a test run of full
// AutoCAD or when SAVEAS saves instead.
bool QuickSaves(const DrawingSettings& settings, FileState state) {
  if (settings.chkSaveAS == 1 || state != FileState::kNormal) return false;
  return settings.LT != 0 || settings.chkTestRun == 0;
}

// Appends the SAVEAS record, when the drawing can be saved. The tags of the prefix, suffix
// and folder are replaced for every drawing, as the engine's date fields follow each call.
void AddSaveAsRecord(std::string& out, const DrawingSettings& settings, const DrawingBlockInput& input,
                     ScriptServices& services) {
  const std::string format = SaveAsFormat(settings.cmbOutFormat);
  auto nameTags = [&](const std::string& text) {
    return services.SpSubstituteProjectTAGS(services.SubstituteTAGS(text, input.counter, input.path, input.position),
                                            input.counter, input.path);
  };
  const std::string prefix = nameTags(settings.tbPrefix);
  const std::string suffix = nameTags(settings.tbSuffix);
  const std::string name = SaveAsName(prefix, input.path, suffix);
  const std::string folder =
      settings.optOriginalLocation
          ? core::GetFolder(input.path)
          : services.SubstituteTAGS(settings.tbSpecFolder, input.counter, input.path, input.position);
  if (input.state == FileState::kUnavailable) return;

  const std::string target = folder + name;
  const bool answer = settings.chkOverwriteExistingFiles == 1 && services.SaveAsTargetExists(target, name);
  AddLine(out, SaveAsLine(format, target, answer));
}

// Appends the commands after the user script, with their markers, when the box holds text.
void AddPostRecord(std::string& out, const DrawingSettings& settings, const std::string& substituted) {
  if (settings.tbPostUserScript.empty()) return;
  if (settings.DebugComments == 1) {
    out += kEndUserScript;
    out += kStartPostUserScript;
    AddLine(out, substituted);
    out += kEndPostUserScript;
  } else {
    AddLine(out, substituted);
  }
}

}  // namespace

FileState ClassifyDrawingFile(std::int16_t fileUnavailable, bool readOnly) {
  if (fileUnavailable == -1) return FileState::kUnavailable;
  return readOnly ? FileState::kReadOnly : FileState::kNormal;
}

std::string OpenLines(const DrawingSettings& settings, std::string_view path, FileState state, bool lockedFileSeen) {
  std::string lines;
  AddOpenLines(lines, settings, path, state, lockedFileSeen);
  return lines;
}

void AddOpenLines(std::string& out, const DrawingSettings& settings, std::string_view path, FileState state,
                  bool lockedFileSeen) {
  const bool normal = state == FileState::kNormal;
  // After the path: its closing quote, the answer " Y" for a drawing that is not normal, the
  // line end.
  const std::string_view pathEnd = normal ? "\"\r\n" : "\" Y\r\n";
  const bool lt = settings.LT != 0;
  switch (settings.LoadOpen) {
    case 0:
      if (lt) {
        AddPathLine(out, "_OPEN \"", path, "\"\r\n");
        if (!normal) AddLine(out, "Y");
      } else {
        AddLine(out, kOpenGuard);
        AddPathLine(out, "\"", path, pathEnd);
      }
      break;
    case 1:
      if (lt) {
        AddPathLine(out, "_RECOVER \"", path, pathEnd);
      } else {
        AddLine(out, kRecoverGuard);
        AddPathLine(out, "\"", path, pathEnd);
      }
      AddLine(out, "");  // one more Enter
      break;
    case 2:
      AddLine(out, settings.OpenOther);
      AddPathLine(out, "\"", path, pathEnd);
      break;
    case 3:
      AddDwgGatewayLines(out, path, state, lockedFileSeen);
      break;
    default:
      break;
  }
}

void AppendDrawingBlock(std::string& out, const DrawingSettings& settings, const DrawingBlockInput& input,
                        ScriptServices& services, DrawingBlock& block) {
  AddOpenLines(out, settings, input.path, input.state, input.lockedFileSeen);
  AddBody(out, settings, input, services, block);
  if (settings.UseDelay != 0) {
    out += kCrLf;
    out += "_DELAY ";
    out += input.Delay;
  }
  out += QuickSaves(settings, input.state) ? "\r\n_QSAVE\r\n" : kCrLf;

  if (settings.chkSaveAS == 1) AddSaveAsRecord(out, settings, input, services);

  block.postUserScript.clear();
  services.AppendTAGS(block.postUserScript, settings.tbPostUserScript, input.counter, input.path, input.position);
  AddPostRecord(out, settings, block.postUserScript);

  block.lockedFileSeen = input.lockedFileSeen || (settings.LoadOpen == 3 && input.state != FileState::kNormal);
}

DrawingBlock ComposeDrawingBlock(const DrawingSettings& settings, const DrawingBlockInput& input,
                                 ScriptServices& services) {
  DrawingBlock block;
  AppendDrawingBlock(block.text, settings, input, services, block);
  return block;
}

}  // namespace batch
