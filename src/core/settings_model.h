#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Truth values of the flag fields: true is -1, false is 0.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

// Every program-wide setting and run-time flag. The App owns the one model; the main window
// reaches it as its member settings.
// Fields start as zero or empty; the settings run at load gives the stored ones their
// values. Names are the program's own and are used verbatim throughout.
struct SettingsModel {
  std::vector<std::string> Queue;  // scratch copy of the queue for one operation
  std::string OS;
  std::string OS_Platform;
  std::int16_t x = 0;
  std::int16_t LeftCoord = 0;
  std::int16_t TopCoord = 0;
  std::int16_t FormHeight = 0;
  std::int16_t FormWidth = 0;
  std::string SCROutputPath;
  std::string SCROutputPathNorm;
  std::string SCROutputPathAlt;
  std::string SCRIPTSDir;
  std::int16_t SCRIPTSPathOption = kFalse;  // flag
  std::int16_t LT = 0;
  std::string Delay;
  std::int16_t StopBatch = kFalse;  // flag
  std::int16_t StopNow = kFalse;    // flag
  std::int16_t WarnDoubleSpace = 0;
  std::int16_t WarnBlankLine = 0;
  std::int16_t WarnSpaceInBlank = 0;
  std::int16_t WarnLTLisp = 0;
  std::int16_t WarnLineEndsWithSpace = 0;
  std::int16_t VerifyFilesBit = 0;
  std::int16_t WarnFoldersNotExist = 0;
  std::int16_t BadFolderFound = kFalse;  // flag
  std::string TextEditor;
  std::string AutoCADEXE;
  std::string Switches;
  std::string SourcePath;
  std::string DWGPattern;
  std::string SCRPattern;
  std::int16_t SCRChanged = kFalse;          // flag
  std::int16_t SCRChangedInAppend = kFalse;  // flag
  std::int16_t DebugComments = 0;
  std::int16_t IncludeStatus = 0;
  std::string PreBatch;
  std::string PreUserScript;
  std::string PostUserScript;
  std::string PostBatch;
  std::int16_t AutoLaunchEditor = 0;
  std::int16_t AutoADDFavorites = 0;
  std::int16_t EnableDelay = 0;
  std::int16_t AutoMinimize = 0;
  std::int16_t R14Compatible = 0;
  std::int16_t OutputToDefaultPath = 0;
  std::int16_t ShowSCRComplete = 0;
  std::int16_t UseDelay = 0;
  std::int16_t TestRun = 0;
  std::int16_t SAVEAS = 0;
  std::string NamePrefix;
  std::string NameSuffix;
  std::int16_t OverWriteFiles = 0;
  std::string SaveAsType;
  std::int16_t SaveAsOriginalLocation = 0;
  std::string DWGOutFolder;
  double TotalFilesProcessed = 0;
  std::string ProgramPath;
  std::int16_t HDividerTop = 0;
  std::int16_t HLeftDividerTop = 0;
  std::int16_t SimpleMode = 0;
  std::int16_t SimpleScriptPathOverride = 0;
  std::int16_t DWGPreviewShow = 0;
  std::int16_t AutoSortEnabled = 0;
  std::int16_t AutoSortType = 0;
  std::int16_t TipsShow = 0;
  std::int32_t COUNTERSTART = 0;
  std::int32_t COUNTERSTEP = 0;
  std::string SHEETCHARS;
  std::string FIRSTFILECHARS;
  std::int16_t TRIMZEROS = 0;
  std::int16_t PADCOUNTER = 0;
  std::int16_t PADDIGITS = 0;
  std::string DDMMYY;
  std::string MMDDYY;
  std::string YYMMDD;
  std::string LONGDATE;
  std::string YYYY;
  std::string YY;
  std::string MM;
  std::string MM_1;
  std::string MM_2;
  std::string MM_3;
  std::string DD;
  std::int16_t Face = 0;
  // TAG1 ... TAG50: TAG[0] is TAG1.
  std::array<std::string, 50> TAG;
  std::int16_t LoadOpen = 0;
  std::string OpenOther;
  std::int16_t InNightRun = kFalse;  // flag
  int STOPSCAN = 0;                  // 1 stops a running scan
  std::int16_t METAEnabled = 0;
  std::int16_t METAImmediate = 0;
  std::int16_t ResourceWarning = 0;
  std::int16_t ResourceFileLimit = 0;
  std::int16_t ScanForRogueTags = 0;
  std::int16_t EnableLogging = 0;
  std::string TodayTime_12;
  std::string TodayTime_24;
  std::string WDPCurrentFile;
};

}  // namespace core
