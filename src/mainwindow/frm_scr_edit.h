#pragma once

#include <string>

#include "ui/ui.h"

namespace app {
class App;
}

namespace mainwindow {

// The editor's outer bounds, in twips.
struct EditorBounds {
  int left = 200;
  int top = 200;
  int width = 11250;
  int height = 8835;
};

// The editor's bounds from the four stored texts (left, top, width, height). A text that is
// not a number, or bounds that lie wholly outside the screen's work area, give the defaults.
EditorBounds StoredEditorBounds(const std::string& left, const std::string& top, const std::string& width,
                                const std::string& height, ui::Rect screen);

// The script editor: a larger, resizable window for the user script with four insert lists,
// search and replace, the LISP and VBA pickers and the two tag managers. The main window's
// Editor button puts Text1 into txtSCREdit and shows it modally; "&Ok" hands the text back.
// Ok and Cancel only hide it; the close box destroys it. It has no default or cancel button,
// so Enter starts a new line in the text.
class frmSCREdit : public ui::Form {
 public:
  explicit frmSCREdit(app::App& app);

  ui::TextBox txtSCREdit{this, "txtSCREdit"};
  ui::Frame Frame1{this, "Frame1"};
  ui::Label Label4{&Frame1, "Label4"};
  ui::ComboBox cmbDynamicTags{&Frame1, "cmbDynamicTags"};
  ui::Label Label1{&Frame1, "Label1"};
  ui::ComboBox Combo1{&Frame1, "Combo1"};
  ui::Label Label3{&Frame1, "Label3"};
  ui::ComboBox cmbProjectTags{&Frame1, "cmbProjectTags"};
  ui::Label Label2{&Frame1, "Label2"};
  ui::ComboBox cmbMeta{&Frame1, "cmbMeta"};
  ui::CommandButton cmdSETUPVARS{&Frame1, "cmdSETUPVARS"};
  ui::CommandButton cmdConfigureProjectTags{&Frame1, "cmdConfigureProjectTags"};
  ui::Frame Frame3{this, "Frame3"};
  ui::CommandButton cmdLoadLisp{&Frame3, "cmdLoadLisp"};
  ui::CommandButton cmdLoadVBA{&Frame3, "cmdLoadVBA"};
  ui::Frame frameSnR{this, "frameSnR"};
  ui::Label Label5{&frameSnR, "Label5"};
  ui::TextBox tbSearch{&frameSnR, "tbSearch"};
  ui::Label Label6{&frameSnR, "Label6"};
  ui::TextBox tbReplace{&frameSnR, "tbReplace"};
  ui::CheckBox chkCase{&frameSnR, "chkCase"};
  ui::CommandButton cmdSearchAndReplace{&frameSnR, "cmdSearchAndReplace"};
  ui::CommandButton cmdSCRCancel{this, "cmdSCRCancel"};
  ui::CommandButton cmdSCROk{this, "cmdSCROk"};

  // Fills the four insert lists, once.
  void Form_Load();
  // Places the window from the stored geometry, gives the text the focus and enables
  // "&Load Lisp" only when the target is not AutoCAD LT.
  void Form_Activate();
  // Stores the window's geometry.
  void Form_Deactivate();
  // Keeps the minimum size and moves the frames and buttons with the bottom and right edges.
  void Form_Resize();
  // The insert lists: the chosen entry replaces the text's selection (the META list adds a
  // line end), without an undo step.
  void cmbDynamicTags_Click();
  void Combo1_Click();
  void cmbProjectTags_Click();
  void cmbMeta_Click();
  void cmdSearchAndReplace_Click();
  void cmdSETUPVARS_Click();
  void cmdConfigureProjectTags_Click();
  void cmdLoadLisp_Click();
  void cmdLoadVBA_Click();
  void cmdSCROk_Click();
  void cmdSCRCancel_Click();

 private:
  void DesignInsertFrame();
  void DesignCodeAndSearchFrames();
  void WireEvents();
  // A list's entry goes in when the user commits the choice (a mouse pick, or Enter after
  // browsing with the arrow keys), not at each arrow step.
  void WireInsertList(ui::ComboBox& list, void (frmSCREdit::*handler)());
  void InsertEntry(const std::string& text);
  void ShowOver(ui::Form& dialog);
  void Leave();

  app::App& app_;
  // The list the user is stepping through with the arrow keys, if any.
  ui::ComboBox* browsing_ = nullptr;
};

}  // namespace mainwindow
