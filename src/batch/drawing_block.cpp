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

constexpr std::string_view kStartPreUserScript = "; << START OF PRE-USERSCRIPT COMMANDS >>";
constexpr std::string_view kStartUserScript = "; << START OF USER SCRIPT >>";
constexpr std::string_view kEndUserScript = "; << END OF USER SCRIPT >>";
constexpr std::string_view kStartPostUserScript = "; << START OF POST-USERSCRIPT COMMANDS >>";
constexpr std::string_view kEndPostUserScript = "; << END OF POST-USERSCRIPT COMMANDS >>";

// Appends the pieces and a line end.
void AddLine(std::string& out, std::string_view first, std::string_view second = {}, std::string_view third = {}) {
  out += first;
  out += second;
  out += third;
  out += kCrLf;
}

// The drawing's path between double quotes.
std::string Quoted(std::string_view path) {
  std::string quoted;
  quoted.reserve(path.size() + 2);
  quoted += '"';
  quoted += path;
  quoted += '"';
  return quoted;
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

// The pre-user-script commands and the user script, with their markers.
std::string Body(const DrawingSettings& settings, const DrawingBlockInput& input, ScriptServices& services) {
  const std::string userScript =
      services.SubstituteTAGS(services.SubstituteProjectTAGS(settings.Text1, input.counter, input.path), input.counter,
                              input.path, input.position);
  std::string pre = settings.tbPreUserScript;
  if (settings.chkIncludeStatus == 1) {
    pre = pre.empty() ? std::string(kStatusLine) : std::string(kStatusLine) + std::string(kCrLf) + pre;
  }
  if (pre.empty()) return userScript;

  const std::string substituted = services.SubstituteTAGS(pre, input.counter, input.path, input.position);
  std::string body;
  if (settings.DebugComments == 1) {
    AddLine(body, kStartPreUserScript);
    AddLine(body, substituted);
    AddLine(body, kStartUserScript);
  } else {
    AddLine(body, substituted);
  }
  body += userScript;
  return body;
}

// "_QSAVE" after the user script: only a normal drawing, and never in a test run of full
// AutoCAD or when SAVEAS saves instead.
bool QuickSaves(const DrawingSettings& settings, FileState state) {
  if (settings.chkSaveAS == 1 || state != FileState::kNormal) return false;
  return settings.LT != 0 || settings.chkTestRun == 0;
}

// The SAVEAS record; "" when the drawing cannot be saved. The tags of the prefix, suffix and
// folder are replaced for every drawing, as the engine's date fields follow each call.
std::string SaveAsRecord(const DrawingSettings& settings, const DrawingBlockInput& input, ScriptServices& services) {
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
  if (input.state == FileState::kUnavailable) return {};

  const std::string target = folder + name;
  const bool answer = settings.chkOverwriteExistingFiles == 1 && services.SaveAsTargetExists(target, name);
  std::string record;
  AddLine(record, SaveAsLine(format, target, answer));
  return record;
}

// The commands after the user script, with their markers; "" when the box is empty.
std::string PostRecord(const DrawingSettings& settings, const std::string& substituted) {
  if (settings.tbPostUserScript.empty()) return {};
  std::string record;
  if (settings.DebugComments == 1) {
    AddLine(record, kEndUserScript);
    AddLine(record, kStartPostUserScript);
    AddLine(record, substituted);
    AddLine(record, kEndPostUserScript);
  } else {
    AddLine(record, substituted);
  }
  return record;
}

}  // namespace

FileState ClassifyDrawingFile(std::int16_t fileUnavailable, bool readOnly) {
  if (fileUnavailable == -1) return FileState::kUnavailable;
  return readOnly ? FileState::kReadOnly : FileState::kNormal;
}

std::string OpenLines(const DrawingSettings& settings, std::string_view path, FileState state, bool lockedFileSeen) {
  const bool normal = state == FileState::kNormal;
  const std::string_view answer = normal ? "" : " Y";
  const bool lt = settings.LT != 0;
  std::string lines;
  switch (settings.LoadOpen) {
    case 0:
      if (lt) {
        AddLine(lines, "_OPEN ", Quoted(path));
        if (!normal) AddLine(lines, "Y");
      } else {
        AddLine(lines, kOpenGuard);
        AddLine(lines, Quoted(path), answer);
      }
      break;
    case 1:
      if (lt) {
        AddLine(lines, "_RECOVER ", Quoted(path), answer);
      } else {
        AddLine(lines, kRecoverGuard);
        AddLine(lines, Quoted(path), answer);
      }
      AddLine(lines, "");  // one more Enter
      break;
    case 2:
      AddLine(lines, settings.OpenOther);
      AddLine(lines, Quoted(path), answer);
      break;
    case 3:
      AddDwgGatewayLines(lines, path, state, lockedFileSeen);
      break;
    default:
      break;
  }
  return lines;
}

DrawingBlock ComposeDrawingBlock(const DrawingSettings& settings, const DrawingBlockInput& input,
                                 ScriptServices& services) {
  DrawingBlock block;
  const std::string body = Body(settings, input, services);

  block.text = OpenLines(settings, input.path, input.state, input.lockedFileSeen);
  block.text += body;
  if (settings.UseDelay != 0) {
    block.text += kCrLf;
    block.text += "_DELAY ";
    block.text += input.Delay;
  }
  if (QuickSaves(settings, input.state)) {
    block.text += kCrLf;
    block.text += "_QSAVE";
  }
  block.text += kCrLf;

  if (settings.chkSaveAS == 1) block.text += SaveAsRecord(settings, input, services);

  block.postUserScript = services.SubstituteTAGS(settings.tbPostUserScript, input.counter, input.path, input.position);
  block.text += PostRecord(settings, block.postUserScript);

  block.lockedFileSeen = input.lockedFileSeen || (settings.LoadOpen == 3 && input.state != FileState::kNormal);
  return block;
}

}  // namespace batch
