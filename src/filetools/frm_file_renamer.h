#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "filetools/file_renamer_checks.h"
#include "filetools/rename_rules.h"
#include "ui/ui.h"

namespace app {
class App;
}

namespace filetools {

// The file renamer: the queued files' current names beside a preview of their new names,
// six renaming rules on a tabbed panel, a manual edit of single names and the finalisation
// that renames the files. Closing it gives the queue back with the files' current names.
class frmFileRenamer : public ui::Form {
 public:
  explicit frmFileRenamer(app::App& app);

  ui::Label lblBefore{this, "lblBefore"};
  ui::ListBox lstSource{this, "lstSource"};
  ui::Label lblAfter{this, "lblAfter"};
  ui::ListBox lstDestination{this, "lstDestination"};
  ui::ListBox lstMainList{this, "lstMainList"};
  ui::CommandButton cmdClear{this, "cmdClear"};
  ui::CommandButton cmdDoIt{this, "cmdDoIt"};
  ui::TabControl SSTab1{this, "SSTab1"};

  // Page 0, "Renumber".
  ui::Label lblStartAt{SSTab1.Page(0), "lblStartAt"};
  ui::TextBox tbStartAt{SSTab1.Page(0), "tbStartAt"};
  ui::Label lblStep{SSTab1.Page(0), "lblStep"};
  ui::TextBox tbStep{SSTab1.Page(0), "tbStep"};
  ui::Label lblPadTo{SSTab1.Page(0), "lblPadTo"};
  ui::TextBox tbRenumberDigits{SSTab1.Page(0), "tbRenumberDigits"};
  ui::VScrollBar vsRenumberPad{SSTab1.Page(0), "vsRenumberPad"};
  ui::Label lblDigits{SSTab1.Page(0), "lblDigits"};
  ui::OptionButton optAppend{SSTab1.Page(0), "optAppend"};
  ui::OptionButton optOverwrite{SSTab1.Page(0), "optOverwrite"};
  ui::CommandButton cmdPreviewRenumber{SSTab1.Page(0), "cmdPreviewRenumber"};
  // Page 1, "Rep.First".
  ui::Label lblReplaceFirst{SSTab1.Page(1), "lblReplaceFirst"};
  ui::TextBox tbReplaceChar{SSTab1.Page(1), "tbReplaceChar"};
  ui::VScrollBar vsReplaceChar{SSTab1.Page(1), "vsReplaceChar"};
  ui::TextBox tbReplaceWith{SSTab1.Page(1), "tbReplaceWith"};
  ui::CommandButton cmdPreviewReplaceFirst{SSTab1.Page(1), "cmdPreviewReplaceFirst"};
  // Page 2, "Insert".
  ui::Label lblInsert{SSTab1.Page(2), "lblInsert"};
  ui::TextBox tbInsertText{SSTab1.Page(2), "tbInsertText"};
  ui::Label lblAtChar{SSTab1.Page(2), "lblAtChar"};
  ui::TextBox tbInsertAtChar{SSTab1.Page(2), "tbInsertAtChar"};
  ui::VScrollBar vsInsertAtChar{SSTab1.Page(2), "vsInsertAtChar"};
  ui::CommandButton cmdInsertPreview{SSTab1.Page(2), "cmdInsertPreview"};
  // Page 3, "Append".
  ui::Label lblAppend{SSTab1.Page(3), "lblAppend"};
  ui::TextBox tbAppend{SSTab1.Page(3), "tbAppend"};
  ui::Label lblAppendEnd{SSTab1.Page(3), "lblAppendEnd"};
  ui::CommandButton cmdAppendPreview{SSTab1.Page(3), "cmdAppendPreview"};
  // Page 4, "Pad".
  ui::Label lblWithThe{SSTab1.Page(4), "lblWithThe"};
  ui::TextBox tbPadChar{SSTab1.Page(4), "tbPadChar"};
  ui::Label lblCharacter{SSTab1.Page(4), "lblCharacter"};
  ui::OptionButton optPadFromStart{SSTab1.Page(4), "optPadFromStart"};
  ui::OptionButton optPadFromEnd{SSTab1.Page(4), "optPadFromEnd"};
  ui::CommandButton cmdPad{SSTab1.Page(4), "cmdPad"};
  // Page 5, "Replacer".
  ui::Label lblReplace{SSTab1.Page(5), "lblReplace"};
  ui::TextBox tbReplace2Replace{SSTab1.Page(5), "tbReplace2Replace"};
  ui::Label lblWith{SSTab1.Page(5), "lblWith"};
  ui::TextBox tbReplace2ReplaceWith{SSTab1.Page(5), "tbReplace2ReplaceWith"};
  ui::CommandButton cmdReplace2Preview{SSTab1.Page(5), "cmdReplace2Preview"};
  ui::CommandButton cmdReplace2Compound{SSTab1.Page(5), "cmdReplace2Compound"};

  // Set while a finalisation found colliding or existing targets (true is -1).
  std::int16_t BadFlag = 0;

  void Form_Load();
  void Form_Unload();
  void cmdPreviewRenumber_Click();
  void cmdPreviewReplaceFirst_Click();
  void cmdInsertPreview_Click();
  void cmdAppendPreview_Click();
  void cmdPad_Click();
  void cmdReplace2Preview_Click();
  void cmdReplace2Compound_Click();
  void cmdClear_Click();
  void vsRenumberPad_Change();
  void vsReplaceChar_Change();
  void vsInsertAtChar_Change();
  void tbPadChar_Change();
  void SSTab1_Click(int previousTab);
  void lstSource_Scroll();
  void lstDestination_Scroll();
  void lstSource_MouseMove(int button, int shift, int x, int y);
  void lstDestination_DblClick();
  void cmdDoIt_Click();
  // Sets BadFlag and says so when two lines of list (with the folders of lstMainList) name
  // the same file.
  void CheckForDuplicates(ui::ListBox& list);
  // A horizontal scroll range of the list's width less 2500 twips, as pixels.
  void gSetHorizontalExtent(ui::ListBox& list);

  RenumberInputs RenumberInputsNow() const;
  PadInputs PadInputsNow() const;

 private:
  void DesignLists();
  void DesignRenumberPage();
  void DesignSmallPages();
  void DesignPadAndReplacerPages();
  void WireEvents();
  std::vector<std::string> Items(const ui::ListBox& list) const;
  std::vector<RenameLine> Lines() const;
  // Shows the preview's notices and lines; a complete one enables the buttons given.
  void ShowPreview(RulePreview preview, bool enableCompound);
  void Notify(const RenameNotice& notice);
  void Alert(const std::string& text, ui::MsgIcon icon);
  // The existing-target question for every changed line; false when the user said No.
  bool AskAboutExistingTargets(const std::vector<RenameLine>& lines, bool& asked);
  void RenameAndFollowTheDisk(const std::vector<RenameLine>& lines);

  app::App& app_;
};

}  // namespace filetools
