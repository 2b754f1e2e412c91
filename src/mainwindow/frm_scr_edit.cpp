#include "mainwindow/frm_scr_edit.h"

#include <cmath>
#include <optional>

#include "app/app.h"
#include "core/store_bindings.h"
#include "mainwindow/frm_code_selector.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/script_text.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "tags/frm_project_tag_manager.h"
#include "tags/frm_var_setup.h"
#include "tags/tag_pick_lists.h"
#include "ui/tab_order.h"

namespace mainwindow {

namespace {

constexpr const char* kSection = "Startup";
// Below this outer height the window snaps to kSnapHeight; it is never narrower than kMinWidth.
constexpr int kMinHeight = 6520;
constexpr int kSnapHeight = 6620;
constexpr int kMinWidth = 11250;

const char* const kMetaCommands[] = {";TESTRUN=FALSE",
                                     ";TESTRUN=TRUE",
                                     ";DELAY=FALSE",
                                     ";DELAY=TRUE",
                                     ";SAVEAS=FALSE",
                                     ";SAVEAS=TRUE",
                                     ";SAVEAS.PREFIX=\"\"",
                                     ";SAVEAS.SUFFIX=\"\"",
                                     ";SAVEAS.SAMELOCATION=TRUE",
                                     ";SAVEAS.THISLOCATION=\"\"",
                                     ";SAVEAS.OVERWRITE=TRUE",
                                     ";SAVEAS.OVERWRITE=FALSE",
                                     ";TAGS.TEMPLATE=\"\"",
                                     ";SORT.AUTO",
                                     ";SORT.ASCENDING",
                                     ";SORT.DESCENDING",
                                     ";SMARTSORT.ASCENDING",
                                     ";SMARTSORT.DESCENDING"};

// A stored geometry value: a decimal number read as single precision, in whole twips.
std::optional<int> Twips(const std::string& text) {
  try {
    const double value = static_cast<float>(runtime::TextToDouble(text));
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
    return static_cast<int>(std::lround(value));
  } catch (const runtime::Error&) {
    return std::nullopt;
  }
}

bool Overlaps(const EditorBounds& b, const ui::Rect& screen) {
  return b.left < screen.left + screen.width && b.left + b.width > screen.left && b.top < screen.top + screen.height &&
         b.top + b.height > screen.top;
}

// Runs one step of the layout; a step that fails (a minimised window) leaves the next to run.
template <class Step>
void LayoutStep(Step step) {
  try {
    step();
  } catch (const runtime::Error&) {
  }
}

void Focus(ui::Control& control) {
  try {
    control.SetFocus();
  } catch (const runtime::Error&) {
    // Not shown (yet): the focus stays where it is.
  }
}

}  // namespace

EditorBounds StoredEditorBounds(const std::string& left, const std::string& top, const std::string& width,
                                const std::string& height, ui::Rect screen) {
  const std::optional<int> l = Twips(left), t = Twips(top), w = Twips(width), h = Twips(height);
  if (!l || !t || !w || !h || *w <= 0 || *h <= 0) return EditorBounds{};
  const EditorBounds stored{*l, *t, *w, *h};
  if (!Overlaps(stored, screen)) return EditorBounds{};
  return stored;
}

frmSCREdit::frmSCREdit(app::App& app) : Form(app.Ctx(), "frmSCREdit"), app_(app) {
  SetCaption(" Script Editor");
  SetBorderStyle(ui::BorderStyle::kSizable);
  SetMinButton(false);
  SetMaxButton(false);
  SetStartUpPosition(ui::StartUpPosition::kManual);
  Move(200, 200, 11250, 8835);

  txtSCREdit.SetMultiLine(true);
  txtSCREdit.SetScrollBars(ui::ScrollBars::kBoth);
  txtSCREdit.SetFontName("Courier New");
  txtSCREdit.SetFontSize(11.25);
  txtSCREdit.SetFontBold(true);
  txtSCREdit.Move(120, 120, 10935, 5935);
  DesignInsertFrame();
  DesignCodeAndSearchFrames();
  cmdSCRCancel.SetCaption("&Cancel");
  cmdSCRCancel.Move(8280, 7835, 1095, 435);
  cmdSCROk.SetCaption("&Ok");
  cmdSCROk.Move(9480, 7835, 1575, 435);
  ui::SetTabOrder({&txtSCREdit, &Frame1, &Frame3, &frameSnR, &cmdSCRCancel, &cmdSCROk});
  WireEvents();
}

void frmSCREdit::DesignInsertFrame() {
  Frame1.SetCaption("Click to Insert");
  Frame1.Move(120, 6135, 5550, 1935);
  struct Row {
    ui::Label& label;
    const char* caption;
    int labelLeft;
    int labelTop;
    ui::ComboBox& list;
    int listTop;
  };
  const Row rows[] = {{Label4, "Dynamic Tags", 360, 330, cmbDynamicTags, 330},
                      {Label1, "Static User TAGs", 360, 720, Combo1, 690},
                      {Label3, "Project TAGs", 360, 1080, cmbProjectTags, 1050},
                      {Label2, "META Commands", 240, 1440, cmbMeta, 1410}};
  // Each label runs up to its list, so that the longest caption keeps to one line.
  constexpr int kListLeft = 1800;
  for (const Row& row : rows) {
    row.label.SetCaption(row.caption);
    row.label.Move(row.labelLeft, row.labelTop, kListLeft - 15 - row.labelLeft, 255);
    row.list.Move(kListLeft, row.listTop, 2175, 315);
  }
  cmdSETUPVARS.SetCaption("&Setup");
  cmdSETUPVARS.Move(4050, 330, 1395, 660);
  cmdConfigureProjectTags.SetCaption("Setu&p");
  cmdConfigureProjectTags.Move(4050, 1050, 1395, 300);
  ui::SetTabOrder({&cmbDynamicTags, &Combo1, &cmdSETUPVARS, &cmbProjectTags, &cmdConfigureProjectTags, &cmbMeta});
}

void frmSCREdit::DesignCodeAndSearchFrames() {
  Frame3.SetCaption("Click to Insert Code");
  Frame3.Move(5775, 6135, 2325, 1575);
  cmdLoadLisp.SetCaption("&Load Lisp");
  cmdLoadLisp.Move(375, 360, 1575, 375);
  cmdLoadVBA.SetCaption("Load &VBA");
  cmdLoadVBA.Move(375, 960, 1575, 375);

  frameSnR.SetCaption("Search and Replace Text");
  frameSnR.Move(8205, 6135, 2850, 1575);
  Label5.SetCaption("Search for");
  // The two labels run up to their boxes, so that their captions keep to one line.
  Label5.Move(240, 400, 1005, 255);
  tbSearch.Move(1260, 360, 1455, 285);
  Label6.SetCaption("Replace with");
  Label6.Move(120, 750, 1125, 255);
  tbReplace.Move(1260, 720, 1455, 285);
  chkCase.SetCaption("Match Case");
  chkCase.Move(120, 1080, 1230, 375);
  cmdSearchAndReplace.SetCaption("Do it");
  cmdSearchAndReplace.Move(1380, 1080, 1335, 375);
  ui::SetTabOrder({&tbSearch, &tbReplace, &chkCase, &cmdSearchAndReplace});
}

void frmSCREdit::WireEvents() {
  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  onDeactivate = [this] { Form_Deactivate(); };
  onResize = [this] { Form_Resize(); };
  WireInsertList(cmbDynamicTags, &frmSCREdit::cmbDynamicTags_Click);
  WireInsertList(Combo1, &frmSCREdit::Combo1_Click);
  WireInsertList(cmbProjectTags, &frmSCREdit::cmbProjectTags_Click);
  WireInsertList(cmbMeta, &frmSCREdit::cmbMeta_Click);
  cmdSearchAndReplace.onClick = [this] { cmdSearchAndReplace_Click(); };
  cmdSETUPVARS.onClick = [this] { cmdSETUPVARS_Click(); };
  cmdConfigureProjectTags.onClick = [this] { cmdConfigureProjectTags_Click(); };
  cmdLoadLisp.onClick = [this] { cmdLoadLisp_Click(); };
  cmdLoadVBA.onClick = [this] { cmdLoadVBA_Click(); };
  cmdSCROk.onClick = [this] { cmdSCROk_Click(); };
  cmdSCRCancel.onClick = [this] { cmdSCRCancel_Click(); };
}

void frmSCREdit::WireInsertList(ui::ComboBox& list, void (frmSCREdit::*handler)()) {
  list.onClick = [this, &list, handler] {
    if (browsing_ == &list) {
      browsing_ = nullptr;
      return;
    }
    (this->*handler)();
  };
  list.onKeyDown = [this, &list, handler](int& keyCode, int) {
    switch (keyCode) {
      case ui::kKeyUp:
      case ui::kKeyDown:
      case ui::kKeyPageUp:
      case ui::kKeyPageDown:
      case ui::kKeyHome:
      case ui::kKeyEnd:
        browsing_ = &list;
        break;
      case ui::kKeyReturn:
        browsing_ = nullptr;
        if (list.ListIndex() >= 0) (this->*handler)();
        break;
      default:
        break;
    }
  };
}

void frmSCREdit::Form_Load() {
  for (const std::string& tag : tags::PickListTags(tags::PickList::kScriptEditor)) cmbDynamicTags.AddItem(tag);
  for (const std::string& tag : tags::StaticTags()) Combo1.AddItem(tag);
  for (int i = 1; i <= 40; ++i) cmbProjectTags.AddItem("$PROJECTTAG" + std::to_string(i) + "$");
  for (const char* command : kMetaCommands) cmbMeta.AddItem(command);
}

void frmSCREdit::Form_Activate() {
  platform::SettingsStore& settings = Ctx().Services().settings;
  const std::string app(core::kStoreApp);
  const EditorBounds bounds = StoredEditorBounds(
      settings.Get(app, kSection, "SCREditLeft", "200"), settings.Get(app, kSection, "SCREditTop", "200"),
      settings.Get(app, kSection, "SCREditWidth", "11250"), settings.Get(app, kSection, "SCREditHeight", "8835"),
      Ctx().GetBackend().WorkArea());
  LayoutStep([&] { Move(bounds.left, bounds.top, bounds.width, bounds.height); });
  Focus(txtSCREdit);
  cmdLoadLisp.SetEnabled(app_.frmMain().settings.LT != 1);
}

void frmSCREdit::Form_Deactivate() {
  platform::SettingsStore& settings = Ctx().Services().settings;
  const std::string app(core::kStoreApp);
  settings.Write(app, kSection, "SCREditLeft", runtime::IntegerToText(Left()));
  settings.Write(app, kSection, "SCREditTop", runtime::IntegerToText(Top()));
  settings.Write(app, kSection, "SCREditWidth", runtime::IntegerToText(Width()));
  settings.Write(app, kSection, "SCREditHeight", runtime::IntegerToText(Height()));
}

// Setting the height or width here resizes again, and that nested pass lays the window out.
void frmSCREdit::Form_Resize() {
  LayoutStep([this] {
    const int height = Height();
    if (height > kMinHeight) {
      for (ui::Frame* frame : {&Frame1, &Frame3, &frameSnR}) frame->SetTop(height - 2700);
      cmdSCRCancel.SetTop(height - 1000);
      cmdSCROk.SetTop(height - 1000);
      txtSCREdit.SetHeight(height - 2900);
    } else {
      SetHeight(kSnapHeight);
    }
  });
  LayoutStep([this] {
    if (Width() < kMinWidth) {
      SetWidth(kMinWidth);
    } else {
      txtSCREdit.SetWidth(Width() - 300);
    }
  });
  LayoutStep([this] {
    cmdSCRCancel.SetLeft(Width() - 3020);
    cmdSCROk.SetLeft(Width() - 1830);
  });
  Ctx().DoEvents();
}

void frmSCREdit::cmbDynamicTags_Click() {
  InsertEntry(cmbDynamicTags.Text());
}

void frmSCREdit::Combo1_Click() {
  InsertEntry(Combo1.Text());
}

void frmSCREdit::cmbProjectTags_Click() {
  InsertEntry(cmbProjectTags.Text());
}

void frmSCREdit::cmbMeta_Click() {
  InsertEntry(cmbMeta.Text() + "\r\n");
}

void frmSCREdit::InsertEntry(const std::string& text) {
  txtSCREdit.ReplaceSelection(text, false);
  Focus(txtSCREdit);
}

void frmSCREdit::cmdSearchAndReplace_Click() {
  txtSCREdit.SetText(
      ReplaceEvery(txtSCREdit.Text(), tbSearch.Text(), tbReplace.Text(), chkCase.Value() == ui::kChecked));
}

void frmSCREdit::cmdSETUPVARS_Click() {
  ShowOver(app_.frmVARSetup());
}

void frmSCREdit::cmdConfigureProjectTags_Click() {
  ShowOver(app_.frmProjectTagManager());
}

void frmSCREdit::cmdLoadLisp_Click() {
  app_.frmLispSelector().Show(ui::ShowMode::kModal, this);
}

void frmSCREdit::cmdLoadVBA_Click() {
  app_.frmVBAselector().Show(ui::ShowMode::kModal, this);
}

void frmSCREdit::ShowOver(ui::Form& dialog) {
  dialog.Show(ui::ShowMode::kModal, this);
  Focus(txtSCREdit);
}

void frmSCREdit::cmdSCROk_Click() {
  platform::SettingsStore& settings = Ctx().Services().settings;
  const std::string app(core::kStoreApp);
  settings.Write(app, kSection, "SCREditLeft", runtime::IntegerToText(Left()));
  settings.Write(app, kSection, "SCREditTop", runtime::IntegerToText(Top()));
  app_.frmMain().Text1.SetText(txtSCREdit.Text());
  Leave();
}

void frmSCREdit::cmdSCRCancel_Click() {
  Leave();
}

void frmSCREdit::Leave() {
  SetTopMost(false);
  Hide();
  app_.frmMain().Show();
}

}  // namespace mainwindow
