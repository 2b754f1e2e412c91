#pragma once

#include <string>
#include <string_view>

#include "runtime/error.h"
#include "ui/context.h"

namespace filetools {

// "Error N (description) in procedure P of Form F" under the application title: the message a
// file tool's procedure gives for a failure it handles.
inline void ReportProcedureError(ui::Context& ctx, const runtime::Error& error, std::string_view procedure,
                                 std::string_view form) {
  ctx.MsgBox({.text = "Error " + std::to_string(error.Number()) + " (" + error.Description() + ") in procedure " +
                      std::string(procedure) + " of Form " + std::string(form),
              .title = ctx.App().title,
              .buttons = ui::MsgButtons::kOk});
}

}  // namespace filetools
