#pragma once

#include "ui/ui.h"
#include "wizards/template_store.h"
#include "wizards/title_block_text.h"

namespace app {
class App;
}

namespace wizards {

// The title block templates and the per-user state file: the block name and the 50 rows.
const TemplateKind& TitleBlockTemplates();

// The title block wizard: the block name and up to 50 rows of attribute name and new value,
// with an output example of each value, templates, and the Create step into the user script.
class frmTBWiz : public ui::Form {
 public:
  static constexpr int kRowsPerTab = 10;

  explicit frmTBWiz(app::App& app);

  ui::Label Label5{this, "Label5"};
  ui::TextBox tbBlockName{this, "tbBlockName"};

  ui::Frame Frame1{this, "Frame1"};
  ui::TabControl SSTab1{&Frame1, "SSTab1"};
  // The column headers, once on every tab (index = tab).
  ui::ControlArray<ui::Label> Label3{SSTab1.Page(0), "Label3"};
  ui::ControlArray<ui::Label> Label4{SSTab1.Page(0), "Label4"};
  ui::ControlArray<ui::Label> Label8{SSTab1.Page(0), "Label8"};
  // Row i + 1 (index i = 0 to 49) lies on tab i / 10.
  ui::ControlArray<ui::Label> Label1{SSTab1.Page(0), "Label1"};
  ui::ControlArray<ui::TextBox> Text1{SSTab1.Page(0), "Text1"};
  ui::ControlArray<ui::Label> Label2{SSTab1.Page(0), "Label2"};
  ui::ControlArray<ui::ComboBox> Combo1{SSTab1.Page(0), "Combo1"};
  ui::ControlArray<ui::Label> Label7{SSTab1.Page(0), "Label7"};
  ui::CommandButton cmdClear{&Frame1, "cmdClear"};
  ui::CommandButton cmdConfigureVars{&Frame1, "cmdConfigureVars"};

  ui::Frame Frame2{this, "Frame2"};
  ui::ComboBox cmbTBWSelector{&Frame2, "cmbTBWSelector"};
  ui::CommandButton cmdDeleteTBW{&Frame2, "cmdDeleteTBW"};
  ui::CommandButton cmdSaveTBW{&Frame2, "cmdSaveTBW"};

  ui::Frame Frame3{this, "Frame3"};
  ui::OptionButton optAppend{&Frame3, "optAppend"};
  ui::OptionButton optOverWrite{&Frame3, "optOverWrite"};
  ui::CommandButton Command1{this, "Command1"};

  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void Combo1_Change(int index);
  void Combo1_Click(int index);
  void cmdClear_Click();
  void cmdConfigureVars_Click();
  void Command1_Click();

  // Templates and the state file.
  void SaveTBW(const std::string& fileName);
  void LoadTBW(const std::string& fileName);
  void LoadTBWList();
  void cmbTBWSelector_Change();
  void cmbTBWSelector_Click();
  void cmdSaveTBW_Click();
  void cmdDeleteTBW_Click();
  void Frame2_Click();

  // Every row's output example, from its value and the moment now.
  void UpdateOutputExamples();

  TitleBlockInputs Inputs() const;

 private:
  void DesignRows();
  // Sets one line of the record: the block name, a row's name or a row's value.
  void SetRecordLine(std::size_t line, const std::string& text);

  app::App& app_;
  TemplateStore store_;
};

}  // namespace wizards
