#pragma once

#include <string>
#include <string_view>

#include "runtime/error.h"
#include "ui/context.h"

namespace queue {

// The message a main window procedure gives for an error it handles: its number, its
// description and the procedure's name, under the application title.
inline void ReportProcedureError(ui::Context& ctx, const runtime::Error& error, std::string_view procedure) {
  ctx.MsgBox({.text = "Error " + std::to_string(error.Number()) + " (" + error.Description() + ") in procedure " +
                      std::string(procedure) + " of Form frmMain",
              .title = ctx.App().title,
              .buttons = ui::MsgButtons::kOk});
}

}  // namespace queue
