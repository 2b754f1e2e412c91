#include "wizards/frm_purge_wiz.h"

#include "app/app.h"
#include "wizards/hand_over.h"

namespace wizards {

namespace {

constexpr int kLeft = 240;
constexpr int kWidth = 3615;
constexpr int kRowHeight = 300;

}  // namespace

frmPurgeWiz::frmPurgeWiz(app::App& app) : Form(app.Ctx(), "frmPurgeWiz"), app_(app) {
  SetCaption(" Purge Wizard");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 4215, 5070);

  int top = 180;
  const auto buttons = ObjectButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    buttons[i]->SetCaption(kPurgeChoices[i].caption);
    buttons[i]->Move(kLeft, top, kWidth, 255);
    top += kRowHeight;
  }
  optALL.SetValue(true);

  DesignHandOverOptions(Frame1, optAppend, optOverWrite, kLeft, top + 120, kWidth);
  cmdCreate.SetCaption("&Create");
  cmdCreate.SetDefault(true);
  cmdCreate.Move(kLeft + kWidth - 1215, top + 1095, 1215, 375);

  cmdCreate.onClick = [this] { cmdCreate_Click(); };
}

std::array<ui::OptionButton*, kPurgeChoices.size()> frmPurgeWiz::ObjectButtons() {
  return {&optALL,        &optBlocks, &optDimstyles,  &optLayers,     &optLineTypes,
          &optPlotStyles, &optShapes, &optTextStyles, &optMLineStyles};
}

PurgeInputs frmPurgeWiz::Inputs() {
  PurgeInputs inputs;
  const auto buttons = ObjectButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i) inputs.chosen[i] = buttons[i]->Value();
  return inputs;
}

void frmPurgeWiz::cmdCreate_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite,
             [this](const std::string& userScript) { return PurgeScript(Inputs(), userScript); });
}

}  // namespace wizards
