#pragma once

#include <string>
#include <string_view>

#include "runtime/error.h"
#include "ui/context.h"

// The messages of a procedure's error handler: "Error N (description) in procedure P of Form F".
namespace core {

// "Error N (description)".
std::string ErrorText(const runtime::Error& error);

// errorText followed by " in procedure P of Form F".
std::string ProcedureErrorText(std::string_view errorText, std::string_view procedure, std::string_view form);
// "Error N (description) in procedure P of Form F".
std::string ProcedureErrorText(const runtime::Error& error, std::string_view procedure,
                               std::string_view form = "frmMain");
// "Error N (description) in procedure P of Module M", for a procedure of a code module.
std::string ModuleErrorText(const runtime::Error& error, std::string_view procedure, std::string_view module);

// Shows ProcedureErrorText under the application title with an OK button.
void ReportProcedureError(ui::Context& ctx, const runtime::Error& error, std::string_view procedure,
                          std::string_view form = "frmMain");

}  // namespace core
