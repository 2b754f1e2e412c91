#include "wizards/frm_tb_wiz.h"

#include "app/app.h"
#include "core/file_helpers.h"
#include "core/system_helpers.h"
#include "mainwindow/frm_main.h"
#include "tags/frm_var_setup.h"
#include "tags/tag_engine.h"
#include "wizards/hand_over.h"
#include "wizards/tag_entry_list.h"

namespace wizards {

namespace {

constexpr std::size_t kRows = kTitleBlockRows;
constexpr int kTabs = kTitleBlockRows / frmTBWiz::kRowsPerTab;

}  // namespace

const TemplateKind& TitleBlockTemplates() {
  static const TemplateKind kind{kTitleBlockRecordLines, ".TBW", "-tbw.tmp", "SaveTBW", "frmTBWiz"};
  return kind;
}

frmTBWiz::frmTBWiz(app::App& app)
    : Form(app.Ctx(), "frmTBWiz"),
      app_(app),
      store_(app, *this, cmbTBWSelector, cmdSaveTBW, cmdDeleteTBW, TitleBlockTemplates(),
             {.read = [this] { return TitleBlockRecord(Inputs()); },
              .write = [this](std::size_t line, const std::string& text) { SetRecordLine(line, text); }}) {
  SetCaption(" Title-Block Update Wizard");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 9675, 7710);

  Label5.SetCaption("Block Name:");
  Label5.Move(240, 195, 1215, 255);
  tbBlockName.Move(1500, 150, 3135, 315);

  Frame1.SetCaption(" Attribute Changer");
  Frame1.Move(120, 600, 9315, 5415);
  DesignRows();
  cmdClear.SetCaption("C&lear");
  cmdClear.Move(120, 4920, 1215, 375);
  cmdConfigureVars.SetCaption("Configure &Tags");
  cmdConfigureVars.Move(1440, 4920, 1575, 375);

  DesignTemplateFrame(Frame2, cmbTBWSelector, cmdDeleteTBW, cmdSaveTBW, 120, 6120, 5175);
  DesignHandOverOptions(Frame3, optAppend, optOverWrite, 5400, 6120, 2535);
  Command1.SetCaption("&Create Script");
  Command1.SetDefault(true);
  Command1.Move(8040, 6240, 1395, 495);

  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  onUnload = [this](bool&) { Form_Unload(); };
  Combo1.On(&ui::ComboBox::onChange, [this](int index) { Combo1_Change(index); });
  Combo1.On(&ui::ComboBox::onClick, [this](int index) { Combo1_Click(index); });
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdConfigureVars.onClick = [this] { cmdConfigureVars_Click(); };
  cmbTBWSelector.onChange = [this] { cmbTBWSelector_Change(); };
  cmbTBWSelector.onClick = [this] { cmbTBWSelector_Click(); };
  cmdSaveTBW.onClick = [this] { cmdSaveTBW_Click(); };
  cmdDeleteTBW.onClick = [this] { cmdDeleteTBW_Click(); };
  Frame2.onClick = [this] { Frame2_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
}

void frmTBWiz::DesignRows() {
  SSTab1.SetTabs(kTabs);
  SSTab1.Move(120, 240, 9075, 4560);
  for (int tab = 0; tab < kTabs; ++tab) {
    const int first = tab * kRowsPerTab + 1;
    SSTab1.SetTabCaption(tab, "Tags " + std::to_string(first) + "-" + std::to_string(first + kRowsPerTab - 1));
    ui::TabPage* page = SSTab1.Page(tab);
    Label3.Load(tab, page).SetCaption("Attribute Name");
    Label3[tab].Move(840, 480, 2175, 255);
    Label4.Load(tab, page).SetCaption("Text (or Tag)");
    Label4[tab].Move(3420, 480, 2655, 255);
    Label8.Load(tab, page).SetCaption("Output Example");
    Label8[tab].Move(6240, 480, 2655, 255);
  }
  for (int i = 0; i < static_cast<int>(kRows); ++i) {
    ui::TabPage* page = SSTab1.Page(i / kRowsPerTab);
    const int top = 780 + 375 * (i % kRowsPerTab);
    Label1.Load(i, page).SetCaption("Change");
    Label1[i].Move(120, top + 45, 675, 255);
    Text1.Load(i, page).Move(840, top, 2175, 315);
    Label2.Load(i, page).SetCaption("to");
    Label2[i].Move(3075, top + 45, 285, 255);
    Combo1.Load(i, page).Move(3420, top, 2655, 315);
    Label7.Load(i, page).Move(6240, top + 45, 2715, 255);
  }
}

TitleBlockInputs frmTBWiz::Inputs() const {
  TitleBlockInputs inputs{.blockName = tbBlockName.Text(), .rows = {}};
  for (std::size_t i = 0; i < kRows; ++i) {
    const int index = static_cast<int>(i);
    inputs.rows[i] = {.name = Text1[index].Text(), .value = Combo1[index].Text()};
  }
  return inputs;
}

void frmTBWiz::SetRecordLine(std::size_t line, const std::string& text) {
  if (line == 0) {
    tbBlockName.SetText(text);
  } else if (line <= kRows) {
    Text1[static_cast<int>(line - 1)].SetText(text);
  } else {
    Combo1[static_cast<int>(line - 1 - kRows)].SetText(text);
  }
}

void frmTBWiz::Form_Load() {
  for (int i = 0; i < static_cast<int>(kRows); ++i) AddTagEntries(Combo1[i]);
  LoadTBW(store_.StateFileName());
  LoadTBWList();
  UpdateOutputExamples();
}

void frmTBWiz::Form_Activate() {
  UpdateOutputExamples();
  LoadTBWList();
}

void frmTBWiz::Form_Unload() {
  SaveTBW(store_.StateFileName());
}

void frmTBWiz::Combo1_Change(int) {
  UpdateOutputExamples();
}

void frmTBWiz::Combo1_Click(int) {
  UpdateOutputExamples();
}

void frmTBWiz::cmdClear_Click() {
  for (int i = 0; i < static_cast<int>(kRows); ++i) {
    Text1[i].SetText("");
    Combo1[i].SetText("");
  }
}

void frmTBWiz::cmdConfigureVars_Click() {
  app_.frmVARSetup().Show(ui::ShowMode::kModal, this);
}

void frmTBWiz::Command1_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite, [this](const std::string& userScript) {
    SaveTBW(store_.StateFileName());
    return CreateTBWScript(Inputs(), Ctx().App().path, userScript);
  });
}

void frmTBWiz::SaveTBW(const std::string& fileName) {
  store_.Save(fileName);
}

void frmTBWiz::LoadTBW(const std::string& fileName) {
  store_.Load(fileName);
}

void frmTBWiz::LoadTBWList() {
  store_.FillList();
}

void frmTBWiz::cmbTBWSelector_Change() {
  store_.SelectorChange();
}

void frmTBWiz::cmbTBWSelector_Click() {
  store_.SelectorClick();
}

void frmTBWiz::cmdSaveTBW_Click() {
  store_.SaveClick();
}

void frmTBWiz::cmdDeleteTBW_Click() {
  store_.DeleteClick();
}

void frmTBWiz::Frame2_Click() {
  LoadTBWList();
}

void frmTBWiz::UpdateOutputExamples() {
  mainwindow::frmMain& main = app_.frmMain();
  platform::Services& services = Ctx().Services();
  const tags::DateTexts dates = tags::FormatDateTexts(services.clock.Now(), services.locale);
  tags::StoreDateTexts(dates, main.settings);
  const std::string user = core::GetUserNameClean(services.system);
  const std::string computer = core::StripNulls(core::GetComputerNameStr(services.system));
  const OutputExampleSources sources{.dates = &dates,
                                     .programFolder = Ctx().App().path,
                                     .queueCount = main.List1.ListCount(),
                                     .user = user,
                                     .computer = computer,
                                     .TAG = &main.settings.TAG};
  for (int i = 0; i < static_cast<int>(kRows); ++i) Label7[i].SetCaption(OutputExample(Combo1[i].Text(), sources));
}

}  // namespace wizards
