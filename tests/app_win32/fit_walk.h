#pragma once

#include <string>
#include <vector>

#include "ui/ui.h"
#include "ui/win32/win32_backend.h"

// The walk over a form made by the real Win32 back end that finds every text that does not
// fit: a caption cut or wrapped inside its control, a caption reaching a neighbour or out of
// its container, a form's title cut in its title bar, a list box whose last row is cut, a
// line of a text box's first text cut at the box's edge.
namespace fit {

std::vector<std::string> Misfits(const ui::win32::Win32Backend& backend, const ui::Form& form);

// The misfits one to a line, for a test's message.
std::string Lines(const std::vector<std::string>& lines);

}  // namespace fit
