#pragma once

#include <string>
#include <string_view>

#include "options/pickers.h"
#include "ui/ui.h"

namespace filetools {

// The text of one input file as the combined file holds it: every line followed by CR LF. A
// line ends at CR LF or at a lone CR; a lone LF stays inside its line. An empty file gives "".
std::string CombinedLines(std::string_view text);

// Why an output name cannot be used; "" when it can. Refused: an empty name, and a name
// holding a character Windows does not allow in a file name.
std::string OutputNameProblem(std::string_view name);

// Joins the queued text files (attribute extractions, one CSV per drawing) into one file, in
// queue order. Shown modally over the main window; its close box unloads it.
class frmCombineTextFiles : public options::FolderPicker {
 public:
  explicit frmCombineTextFiles(app::App& app);

  ui::Label Label1{this, "Label1"};
  ui::Label Label2{this, "Label2"};
  ui::TextBox tbFileName{this, "tbFileName"};
  ui::CommandButton cmdCombine{this, "cmdCombine"};
  ui::TextBox Text1{this, "Text1"};

  void Form_Load();
  void cmdCombine_Click();
  // Writes the combined file at path (through a temporary file moved over it at the end),
  // then offers to open it. Reports its own failures.
  void WriteOutputFile(const std::string& path);

 private:
  // Refuses an output that cannot be written or would overwrite one of its own inputs.
  bool OutputAccepted(const std::string& path);
  void ReportStep(const std::string& procedure, const std::string& description, int step);
  void OfferToOpen(const std::string& path);
};

}  // namespace filetools
