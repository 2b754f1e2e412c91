#include "app/app.h"

#include "mainwindow/frm_main.h"
#include "ui/form_slot.h"

namespace app {

// One slot per window of the program.
struct App::Forms {
  explicit Forms(App& app) : app_(app) {}
  App& app_;
  ui::FormSlot<mainwindow::frmMain> frmMain{app_.Ctx(), [this] { return std::make_unique<mainwindow::frmMain>(app_); }};
};

App::App(ui::Context& ctx) : ctx_(ctx), forms_(std::make_unique<Forms>(*this)) {}

App::~App() = default;

mainwindow::frmMain& App::frmMain() {
  return forms_->frmMain();
}

}  // namespace app
