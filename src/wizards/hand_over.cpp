#include "wizards/hand_over.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"

namespace wizards {

namespace {

bool OverwriteConfirmed(ui::Context& ctx) {
  const ui::MsgAnswer answer = ctx.MsgBox({.text = "Continuing will overwrite any currently displayed script\r\n"
                                                   "in the Tornavane user-script editor....\r\n"
                                                   "\r\n"
                                                   "Continue?\r\n",
                                           .title = "Warning",
                                           .buttons = ui::MsgButtons::kYesNo,
                                           .icon = ui::MsgIcon::kExclamation,
                                           .defaultButton = 1});
  return answer == ui::MsgAnswer::kYes;
}

void HandOver(app::App& app, ui::Form& wizard, const Generator& generate) {
  ui::TextBox& userScript = app.frmMain().Text1;
  userScript.SetText(generate(userScript.Text()));
  wizard.Hide();
  app.Ctx().MsgBox({.text = "The Wizard has created the user-script.\r\n"
                            "\r\n"
                            "You can now use this script to create a BATCH script.\r\n"
                            "1)  Add your drawings to the queue and press CREATE.",
                    .title = "Done",
                    .buttons = ui::MsgButtons::kOk,
                    .icon = ui::MsgIcon::kExclamation});
}

}  // namespace

void DesignHandOverOptions(ui::Frame& frame, ui::OptionButton& optAppend, ui::OptionButton& optOverWrite, int left,
                           int top, int width) {
  frame.SetCaption("Options");
  frame.Move(left, top, width, 855);
  optAppend.SetCaption("Append to User Script");
  optAppend.Move(120, 240, width - 240, 255);
  optAppend.SetValue(true);
  optOverWrite.SetCaption("Overwrite");
  optOverWrite.Move(120, 510, width - 240, 255);
}

void CreateStep(app::App& app, ui::Form& wizard, const ui::OptionButton& optAppend,
                const ui::OptionButton& optOverWrite, const Generator& generate) {
  if (optOverWrite.Value()) {
    if (!OverwriteConfirmed(app.Ctx())) return;
    app.frmMain().Text1.SetText("");
  } else if (!optAppend.Value()) {
    return;
  }
  HandOver(app, wizard, generate);
}

}  // namespace wizards
