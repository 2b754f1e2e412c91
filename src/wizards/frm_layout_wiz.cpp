#include "wizards/frm_layout_wiz.h"

#include "app/app.h"
#include "runtime/error.h"
#include "tags/frm_var_setup.h"
#include "wizards/hand_over.h"
#include "wizards/tag_entry_list.h"

namespace wizards {

namespace {

constexpr int kOptionCount = 4;
constexpr int kRowTop = 780;
constexpr int kRowHeight = 345;
constexpr int kRightLeft = 6480;
constexpr int kRightWidth = 2655;

template <class T>
T& Element(const std::vector<std::unique_ptr<T>>& elements, int index) {
  if (index < 0 || index >= static_cast<int>(elements.size())) throw runtime::Error(runtime::kSubscriptOutOfRange);
  return *elements[static_cast<std::size_t>(index)];
}

// Delete and New take the layout name only: the new-name column has nothing to say.
bool TakesNewName(int option) {
  return option == static_cast<int>(LayoutOperation::kCopy) || option == static_cast<int>(LayoutOperation::kRename);
}

}  // namespace

const TemplateKind& LayoutTemplates() {
  static const TemplateKind kind{std::size_t{2} * kLayoutRowCount, ".ltw", "-LTW.tmp", "SaveLTW", "frmLayWiz"};
  return kind;
}

frmLayoutWiz::frmLayoutWiz(app::App& app)
    : Form(app.Ctx(), "frmLayoutWiz"),
      app_(app),
      store_(app, *this, cmbLTWSelector, cmdSaveLTW, cmdDeleteLTW, LayoutTemplates(),
             {.read = [this] { return Record(Inputs()); },
              .write = [this](std::size_t line, const std::string& text) { SetRecordLine(line, text); }}) {
  SetCaption(" Layout Wizard");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 9360, 6495);
  DesignPages();
  DesignRight();

  Option1.On(&ui::OptionButton::onClick, [this](int index) { Option1_Click(index); });
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdConfigureVars.onClick = [this] { cmdConfigureVars_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  cmbLTWSelector.onChange = [this] { cmbLTWSelector_Change(); };
  cmbLTWSelector.onClick = [this] { cmbLTWSelector_Click(); };
  cmdSaveLTW.onClick = [this] { cmdSaveLTW_Click(); };
  cmdDeleteLTW.onClick = [this] { cmdDeleteLTW_Click(); };
  Frame2.onClick = [this] { Frame2_Click(); };
  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  onUnload = [this](bool&) { Form_Unload(); };
}

void frmLayoutWiz::DesignPages() {
  SSTab1.SetTabs(kPageCount);
  SSTab1.Move(120, 120, 6240, 4440);
  for (int p = 0; p < kPageCount; ++p) {
    const int first = p * kLayoutRowsPerPage + 1;
    SSTab1.SetTabCaption(p, std::to_string(first) + "-" + std::to_string(first + kLayoutRowsPerPage - 1));
    ui::TabPage* page = SSTab1.Page(p);
    auto& tabName = label3_.emplace_back(std::make_unique<ui::Label>(page, "Label3", p));
    tabName->SetCaption("Tab Name");
    tabName->Move(240, 480, 2655, 255);
    auto& newName = label4_.emplace_back(std::make_unique<ui::Label>(page, "Label4", p));
    newName->SetCaption("New Tab Name");
    newName->Move(3360, 480, 2655, 255);
  }
  for (int i = 0; i < kLayoutRowCount; ++i) {
    ui::TabPage* page = SSTab1.Page(i / kLayoutRowsPerPage);
    const int top = kRowTop + kRowHeight * (i % kLayoutRowsPerPage);
    text1_.emplace_back(std::make_unique<ui::TextBox>(page, "Text1", i))->Move(240, top, 2655, 315);
    auto& to = label2_.emplace_back(std::make_unique<ui::Label>(page, "Label2", i));
    to->SetCaption("to");
    to->Move(2985, top + 45, 285, 255);
    combo1_.emplace_back(std::make_unique<ui::ComboBox>(page, "Combo1", i))->Move(3360, top, 2655, 315);
  }
  cmdClear.SetCaption("C&lear");
  cmdClear.Move(120, 4680, 1215, 375);
  cmdConfigureVars.SetCaption("Configure &Tags");
  cmdConfigureVars.Move(1440, 4680, 1695, 375);
  DesignTemplateFrame(Frame2, cmbLTWSelector, cmdDeleteLTW, cmdSaveLTW, 120, 5160, 6240);
}

void frmLayoutWiz::DesignRight() {
  static constexpr const char* kOperations[kOptionCount] = {"Copy", "Delete", "New", "Rename"};
  Frame1.SetCaption(" Commands");
  Frame1.Move(kRightLeft, 120, kRightWidth, 1440);
  for (int i = 0; i < kOptionCount; ++i) {
    ui::OptionButton& option = Option1.Load(i);
    option.SetCaption(kOperations[i]);
    option.Move(240, 270 + 285 * i, kRightWidth - 360, 255);
  }
  Option1[0].SetValue(true);

  DesignHandOverOptions(Frame3, optAppend, optOverWrite, kRightLeft, 1680, kRightWidth);
  Command1.SetCaption("&Create Script");
  Command1.SetDefault(true);
  Command1.Move(kRightLeft + kRightWidth - 1815, 5400, 1815, 375);
}

ui::TextBox& frmLayoutWiz::Text1(int i) const {
  return Element(text1_, i);
}

ui::Label& frmLayoutWiz::Label2(int i) const {
  return Element(label2_, i);
}

ui::ComboBox& frmLayoutWiz::Combo1(int i) const {
  return Element(combo1_, i);
}

ui::Label& frmLayoutWiz::Label3(int p) const {
  return Element(label3_, p);
}

ui::Label& frmLayoutWiz::Label4(int p) const {
  return Element(label4_, p);
}

void frmLayoutWiz::Form_Load() {
  for (int i = 0; i < kLayoutRowCount; ++i) AddTagEntries(Combo1(i));
  LoadLTW(store_.StateFileName());
  FillLTWSelector();
}

// Also after "Configure &Tags": the templates may have changed meanwhile.
void frmLayoutWiz::Form_Activate() {
  FillLTWSelector();
}

void frmLayoutWiz::Form_Unload() {
  SaveLTW(store_.StateFileName());
}

void frmLayoutWiz::Option1_Click(int index) {
  const bool shown = TakesNewName(index);
  for (int p = 0; p < kPageCount; ++p) Label4(p).SetVisible(shown);
  for (int i = 0; i < kLayoutRowCount; ++i) {
    Combo1(i).SetVisible(shown);
    Label2(i).SetVisible(shown);
  }
}

void frmLayoutWiz::cmdClear_Click() {
  for (int i = 0; i < kLayoutRowCount; ++i) {
    Text1(i).SetText("");
    Combo1(i).SetText("");
  }
}

void frmLayoutWiz::cmdConfigureVars_Click() {
  app_.frmVARSetup().Show(ui::ShowMode::kModal, this);
}

void frmLayoutWiz::Command1_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite,
             [this](const std::string& userScript) { return CreateLayoutScript(userScript); });
}

LayoutInputs frmLayoutWiz::Inputs() const {
  LayoutInputs inputs;
  // Copy, Delete and New are tested in that order; Rename when none of them is chosen.
  inputs.operation = LayoutOperation::kRename;
  for (int i = 0; i < kOptionCount - 1; ++i) {
    if (Option1[i].Value()) {
      inputs.operation = static_cast<LayoutOperation>(i);
      break;
    }
  }
  for (int i = 0; i < kLayoutRowCount; ++i) {
    inputs.rows[static_cast<std::size_t>(i)] = {Text1(i).Text(), Combo1(i).Text()};
  }
  return inputs;
}

void frmLayoutWiz::SetRecordLine(std::size_t line, const std::string& text) {
  const int row = static_cast<int>(line % kLayoutRowCount);
  if (line < kLayoutRowCount) {
    Text1(row).SetText(text);
  } else {
    Combo1(row).SetText(text);
  }
}

// The state file is written first: a failure says so and the script is written all the same.
std::string frmLayoutWiz::CreateLayoutScript(const std::string& userScript) {
  SaveLTW(store_.StateFileName());
  return LayoutScript(Inputs(), userScript);
}

void frmLayoutWiz::SaveLTW(const std::string& fileName) {
  store_.Save(fileName);
}

void frmLayoutWiz::LoadLTW(const std::string& fileName) {
  store_.Load(fileName);
}

void frmLayoutWiz::FillLTWSelector() {
  store_.FillList();
}

void frmLayoutWiz::cmbLTWSelector_Change() {
  store_.SelectorChange();
}

void frmLayoutWiz::cmbLTWSelector_Click() {
  store_.SelectorClick();
}

void frmLayoutWiz::cmdSaveLTW_Click() {
  store_.SaveClick();
}

void frmLayoutWiz::cmdDeleteLTW_Click() {
  store_.DeleteClick();
}

void frmLayoutWiz::Frame2_Click() {
  store_.FillList();
}

}  // namespace wizards
