#pragma once

#include <string>
#include <string_view>

#include "runtime/error.h"
#include "ui/context.h"

namespace queue {

// The message a procedure gives for an error it handles: its number, its description and the
// names of the procedure and its window, under the application title.
inline void ReportProcedureError(ui::Context& ctx, const runtime::Error& error, std::string_view procedure,
                                 std::string_view form = "frmMain") {
  ctx.MsgBox({.text = "Error " + std::to_string(error.Number()) + " (" + error.Description() + ") in procedure " +
                      std::string(procedure) + " of Form " + std::string(form),
              .title = ctx.App().title,
              .buttons = ui::MsgButtons::kOk});
}

}  // namespace queue
