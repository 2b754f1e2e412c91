#pragma once

#include <functional>
#include <string>

#include "ui/form.h"
#include "ui/frame.h"
#include "ui/option_button.h"

namespace app {
class App;
}

// The Create step the script wizards share: append the wizard's block to the user script, or
// replace the user script after a question, then hide the wizard and say it is done.
namespace wizards {

// The user script as it becomes, from the user script as it is.
using Generator = std::function<std::string(const std::string& userScript)>;

// The frame "Options" with "Append to User Script" (chosen) and "Overwrite", at the given
// place inside the wizard; the buttons sit one under the other.
void DesignHandOverOptions(ui::Frame& frame, ui::OptionButton& optAppend, ui::OptionButton& optOverWrite, int left,
                           int top, int width);

// The Create button: Overwrite asks first ("Warning", Yes/No) and empties the user script on
// Yes, then hands over; No leaves everything as it is. Append hands over straight away; with
// neither chosen nothing happens. Handing over assigns the generated text to the user script
// once (so its change handling runs once), hides the wizard and "Done" tells the user what
// comes next.
void CreateStep(app::App& app, ui::Form& wizard, const ui::OptionButton& optAppend,
                const ui::OptionButton& optOverWrite, const Generator& generate);

}  // namespace wizards
