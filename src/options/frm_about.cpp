#include "options/frm_about.h"

#include "app/app.h"
#include "core/app_title.h"
#include "core/launch.h"
#include "options/web_links.h"

namespace options {

namespace {

constexpr ui::Color kLinkBlue = 0xFF0000;

void MakeLink(ui::Label& label) {
  label.SetForeColor(kLinkBlue);
  label.SetMousePointer(ui::Pointer::kHand);
}

}  // namespace

frmAbout::frmAbout(app::App& app) : Form(app.Ctx(), "frmAbout") {
  SetCaption("About Tornavane");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 5775, 4425);

  Label6.SetCaption("Tornavane for AutoCAD");
  Label6.SetFontSize(14);
  Label6.SetFontBold(true);
  Label6.Move(240, 240, 5175, 375);
  lblVersion.SetCaption("Version Info");
  lblVersion.Move(240, 660, 5175, 255);
  Label4.SetCaption("AutoCAD\xAE is a registered trademark of AutoDesk Inc.");
  Label4.Move(240, 960, 5175, 255);
  lblDisclaimer.SetCaption(std::string(kMakerName));
  lblDisclaimer.Move(240, 1260, 5175, 255);

  Frame1.Move(240, 1620, 5175, 1335);
  Label2.SetCaption("Support, Sales && Updates");
  Label2.SetFontBold(true);
  Label2.Move(120, 180, 4935, 255);
  lblVelmora.SetCaption(std::string(kWebDomain));
  MakeLink(lblVelmora);
  lblVelmora.Move(120, 480, 4935, 255);
  Label3.SetCaption("E-Mail Support");
  Label3.Move(120, 780, 4935, 255);
  lblSupport.SetCaption(std::string(core::kSupportEmail));
  MakeLink(lblSupport);
  lblSupport.Move(120, 1020, 4935, 255);

  Line1.SetPoints(240, 3135, 5415, 3135);
  cmdOK.SetCaption("&Close");
  cmdOK.SetDefault(true);
  cmdOK.SetCancel(true);
  cmdOK.Move(4080, 3300, 1335, 375);

  lblVelmora.onClick = [this] { lblVelmora_Click(); };
  lblSupport.onClick = [this] { lblSupport_Click(); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmAbout::lblVelmora_Click() {
  core::OpenWithShell(Ctx().Services().shell, 0, HomePage());
}

void frmAbout::lblSupport_Click() {
  core::OpenWithShell(Ctx().Services().shell, 0, SupportMailLink());
}

void frmAbout::cmdOK_Click() {
  Unload();
}

}  // namespace options
