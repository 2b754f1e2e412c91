#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/ui.h"
#include "wizards/layout_text.h"
#include "wizards/template_store.h"

namespace app {
class App;
}

namespace wizards {

// The layout templates (".ltw") and the per-user state file: the 50 tab names, then the 50
// new names.
const TemplateKind& LayoutTemplates();

// The layout wizard: up to 50 rows of a tab name and a new tab name on five pages, and one
// operation (Copy, Delete, New, Rename) for all of them. "&Create Script" writes one
// "-LAYOUT" block per row in use into the user script. The rows survive in the layout state
// file and can be kept under a name as layout templates.
class frmLayoutWiz : public ui::Form {
 public:
  static constexpr int kPageCount = kLayoutRowCount / kLayoutRowsPerPage;

  explicit frmLayoutWiz(app::App& app);

  ui::TabControl SSTab1{this, "SSTab1"};
  ui::Frame Frame1{this, "Frame1"};
  ui::ControlArray<ui::OptionButton> Option1{&Frame1, "Option1"};
  ui::CommandButton cmdClear{this, "cmdClear"};
  ui::CommandButton cmdConfigureVars{this, "cmdConfigureVars"};
  ui::Frame Frame2{this, "Frame2"};
  ui::ComboBox cmbLTWSelector{&Frame2, "cmbLTWSelector"};
  ui::CommandButton cmdSaveLTW{&Frame2, "cmdSaveLTW"};
  ui::CommandButton cmdDeleteLTW{&Frame2, "cmdDeleteLTW"};
  ui::Frame Frame3{this, "Frame3"};
  ui::OptionButton optAppend{&Frame3, "optAppend"};
  ui::OptionButton optOverWrite{&Frame3, "optOverWrite"};
  ui::CommandButton Command1{this, "Command1"};

  // Row i (0 to 49): the tab name, the "to" between the boxes and the new name.
  ui::TextBox& Text1(int i) const;
  ui::Label& Label2(int i) const;
  ui::ComboBox& Combo1(int i) const;
  // Page p (0 to 4): the headers "Tab Name" and "New Tab Name".
  ui::Label& Label3(int p) const;
  ui::Label& Label4(int p) const;

  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void Option1_Click(int index);
  void cmdClear_Click();
  void cmdConfigureVars_Click();
  void Command1_Click();

  // Templates and the state file.
  void SaveLTW(const std::string& fileName);
  void LoadLTW(const std::string& fileName);
  void FillLTWSelector();
  void cmbLTWSelector_Change();
  void cmbLTWSelector_Click();
  void cmdSaveLTW_Click();
  void cmdDeleteLTW_Click();
  void Frame2_Click();

  // The rows and the chosen operation, as the generator reads them.
  LayoutInputs Inputs() const;

 private:
  void DesignPages();
  void DesignRight();
  // The Create step's generator: saves the rows to the state file, then the blocks.
  std::string CreateLayoutScript(const std::string& userScript);
  // Sets the box of one line of the record.
  void SetRecordLine(std::size_t line, const std::string& text);

  app::App& app_;
  std::vector<std::unique_ptr<ui::TextBox>> text1_;
  std::vector<std::unique_ptr<ui::Label>> label2_;
  std::vector<std::unique_ptr<ui::ComboBox>> combo1_;
  std::vector<std::unique_ptr<ui::Label>> label3_;
  std::vector<std::unique_ptr<ui::Label>> label4_;
  TemplateStore store_;
};

}  // namespace wizards
