#include "batch/drawing_block.h"

#include "batch/save_as.h"
#include "core/path_helpers.h"
#include "runtime/short_text.h"

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

void DwgGatewayParts(OpenLineParts& parts, FileState state, bool lockedFileSeen) {
  parts.after = kCrLf;
  if (state == FileState::kNormal) {
    AddLine(parts.before, ";NORMAL FILE LOAD");
    AddLine(parts.before, kDgOpenWithAnswer);
  } else if (!lockedFileSeen) {
    AddLine(parts.before, ";LOCKED FILE");
    AddLine(parts.before, kDgOpenWithoutAnswer);
  } else {
    AddLine(parts.before, ";*** PREVIOUS LOCKED FILE");
    AddLine(parts.before, kDgOpenWithoutAnswer);
    AddLine(parts.after, "_Y");
  }
}

// The pre-user-script text, led by the status line when that is asked for.
std::string PreUserScriptText(const DrawingSettings& settings) {
  if (settings.chkIncludeStatus != 1) return settings.tbPreUserScript;
  std::string text(kStatusLine);
  if (!settings.tbPreUserScript.empty()) {
    text += kCrLf;
    text += settings.tbPreUserScript;
  }
  return text;
}

// What comes before and after the substituted pre-user-script text: its marker, and its line
// end with the user script's marker.
std::string_view PreRecordStart(const DrawingSettings& settings) {
  return settings.DebugComments == 1 ? kStartPreUserScript : std::string_view();
}

std::string_view PreRecordEnd(const DrawingSettings& settings) {
  return settings.DebugComments == 1 ? kEndLineStartUserScript : kCrLf;
}

// Appends the pre-user-script commands and the user script, with their markers. The user
// script is substituted first.
void AddBody(std::string& out, const DrawingSettings& settings, const DrawingBlockInput& input,
             ScriptServices& services, DrawingBlock& block) {
  block.userScript.clear();
  services.AppendProjectAndTAGS(block.userScript, settings.Text1, input.path, input.counter, input.position);
  const std::string pre = PreUserScriptText(settings);
  if (!pre.empty()) {
    out += PreRecordStart(settings);
    services.AppendTAGS(out, pre, input.path, input.counter, input.position);
    out += PreRecordEnd(settings);
  }
  out += block.userScript;
}

// "_QSAVE" after the user script: only a normal drawing, and never in a test run of full
// AutoCAD or when SAVEAS saves instead.
bool QuickSaves(const DrawingSettings& settings, FileState state) {
  if (settings.chkSaveAS == 1 || state != FileState::kNormal) return false;
  return settings.LT != 0 || settings.chkTestRun == 0;
}

// Appends the end of the user script's last line, with the delay line and "_QSAVE" when they
// are written.
void AddSaveLines(std::string& out, const DrawingSettings& settings, FileState state, std::string_view delay) {
  if (settings.UseDelay != 0) {
    out += kCrLf;
    out += "_DELAY ";
    out += delay;
  }
  out += QuickSaves(settings, state) ? "\r\n_QSAVE\r\n" : kCrLf;
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

OpenLineParts OpenLinesAround(const DrawingSettings& settings, FileState state, bool lockedFileSeen) {
  OpenLineParts parts;
  const bool normal = state == FileState::kNormal;
  // After the path: its closing quote, the answer " Y" for a drawing that is not normal, the
  // line end.
  const std::string_view pathEnd = normal ? "\"\r\n" : "\" Y\r\n";
  const bool lt = settings.LT != 0;
  switch (settings.LoadOpen) {
    case 0:
      if (lt) {
        parts.before = "_OPEN \"";
        parts.after = normal ? "\"\r\n" : "\"\r\nY\r\n";
      } else {
        AddLine(parts.before, kOpenGuard);
        parts.before += '"';
        parts.after = pathEnd;
      }
      break;
    case 1:
      if (lt) {
        parts.before = "_RECOVER \"";
      } else {
        AddLine(parts.before, kRecoverGuard);
        parts.before += '"';
      }
      parts.after = pathEnd;
      parts.after += kCrLf;  // one more Enter
      break;
    case 2:
      AddLine(parts.before, settings.OpenOther);
      parts.before += '"';
      parts.after = pathEnd;
      break;
    case 3:
      DwgGatewayParts(parts, state, lockedFileSeen);
      break;
    default:
      parts.withPath = false;
      break;
  }
  return parts;
}

std::string OpenLines(const DrawingSettings& settings, std::string_view path, FileState state, bool lockedFileSeen) {
  OpenLineParts parts = OpenLinesAround(settings, state, lockedFileSeen);
  if (parts.withPath) parts.before += path;
  return parts.before + parts.after;
}

BlockFrame::Fit BlockFrame::FitFor(const DrawingSettings& settings, const DrawingBlockInput& input,
                                   const ScriptServices& services) {
  using runtime::SameText;
  if (services_ != &services || state_ != input.state || lockedFileSeen_ != input.lockedFileSeen ||
      !SameText(delay_, input.Delay)) {
    return Fit::kNo;
  }
  DrawingSettings& made = settings_;
  if (settings.revision != 0 && settings.revision == made.revision) return Fit::kSettled;
  const bool same = made.LoadOpen == settings.LoadOpen && made.LT == settings.LT &&
                    made.chkIncludeStatus == settings.chkIncludeStatus &&
                    made.DebugComments == settings.DebugComments && made.UseDelay == settings.UseDelay &&
                    made.chkSaveAS == settings.chkSaveAS && made.chkTestRun == settings.chkTestRun &&
                    SameText(made.OpenOther, settings.OpenOther) &&
                    SameText(made.tbPreUserScript, settings.tbPreUserScript) &&
                    SameText(made.tbPostUserScript, settings.tbPostUserScript);
  if (!same) return Fit::kNo;
  made.revision = settings.revision;
  return Fit::kCompared;
}

void BlockFrame::Make(const DrawingSettings& settings, const DrawingBlockInput& input, ScriptServices& services) {
  static std::uint64_t lastKey = 0;
  key_ = ++lastKey;
  services_ = &services;
  settings_ = settings;
  state_ = input.state;
  lockedFileSeen_ = input.lockedFileSeen;
  delay_ = input.Delay;

  OpenLineParts open = OpenLinesAround(settings, input.state, input.lockedFileSeen);
  lead_ = std::move(open.before);
  withPath_ = open.withPath;
  head_ = std::move(open.after);
  tail_.clear();
  const std::string pre = PreUserScriptText(settings);
  whole_ =
      settings.chkSaveAS != 1 && services.KeepsUnchanged(pre) && services.KeepsUnchanged(settings.tbPostUserScript);
  if (!whole_) return;
  if (!pre.empty()) {
    head_ += PreRecordStart(settings);
    head_ += pre;
    head_ += PreRecordEnd(settings);
  }
  AddSaveLines(tail_, settings, input.state, input.Delay);
  AddPostRecord(tail_, settings, settings.tbPostUserScript);
}

void AppendDrawingBlock(std::string& out, const DrawingSettings& settings, const DrawingBlockInput& input,
                        ScriptServices& services, DrawingBlock& block) {
  BlockFrame& frame = block.frame;
  const BlockFrame::Fit fit = frame.FitFor(settings, input, services);
  const bool made = fit == BlockFrame::Fit::kNo;
  if (made) frame.Make(settings, input, services);
  const tags::TextsAround around{.lead = frame.Lead(),
                                 .path = frame.WithPath() ? input.path : std::string_view(),
                                 .head = frame.Head(),
                                 .tail = frame.Tail(),
                                 .key = frame.Key(),
                                 .settled = fit == BlockFrame::Fit::kSettled};
  if (frame.Whole()) {
    // The post-user-script text passes unchanged, the same for every drawing of the frame.
    if (made) block.postUserScript = settings.tbPostUserScript;
    services.AppendProjectAndTAGS(out, settings.Text1, input.path, input.counter, input.position, around);
  } else {
    around.AppendBefore(out);  // a frame that is not whole has no tail
    AddBody(out, settings, input, services, block);
    AddSaveLines(out, settings, input.state, input.Delay);
    if (settings.chkSaveAS == 1) AddSaveAsRecord(out, settings, input, services);
    block.postUserScript.clear();
    services.AppendTAGS(block.postUserScript, settings.tbPostUserScript, input.path, input.counter, input.position);
    AddPostRecord(out, settings, block.postUserScript);
  }
  block.lockedFileSeen = input.lockedFileSeen || (settings.LoadOpen == 3 && input.state != FileState::kNormal);
}

DrawingBlock ComposeDrawingBlock(const DrawingSettings& settings, const DrawingBlockInput& input,
                                 ScriptServices& services) {
  DrawingBlock block;
  AppendDrawingBlock(block.text, settings, input, services, block);
  return block;
}

}  // namespace batch
