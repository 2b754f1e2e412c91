#include "app/app.h"

#include "ui/form_slot.h"

namespace app {

// One slot per window of the program.
struct App::Forms {
  explicit Forms(App& app) : app_(app) {}
  App& app_;
};

App::App(ui::Context& ctx) : ctx_(ctx), forms_(std::make_unique<Forms>(*this)) {}

App::~App() = default;

}  // namespace app
