#include "core/procedure_error.h"

namespace core {

namespace {

std::string InProcedure(std::string_view errorText, std::string_view procedure, std::string_view kind,
                        std::string_view name) {
  std::string text(errorText);
  text += " in procedure ";
  text += procedure;
  text += " of ";
  text += kind;
  text += ' ';
  text += name;
  return text;
}

}  // namespace

std::string ErrorText(const runtime::Error& error) {
  return "Error " + std::to_string(error.Number()) + " (" + error.Description() + ")";
}

std::string ProcedureErrorText(std::string_view errorText, std::string_view procedure, std::string_view form) {
  return InProcedure(errorText, procedure, "Form", form);
}

std::string ProcedureErrorText(const runtime::Error& error, std::string_view procedure, std::string_view form) {
  return InProcedure(ErrorText(error), procedure, "Form", form);
}

std::string ModuleErrorText(const runtime::Error& error, std::string_view procedure, std::string_view module) {
  return InProcedure(ErrorText(error), procedure, "Module", module);
}

void ReportProcedureError(ui::Context& ctx, const runtime::Error& error, std::string_view procedure,
                          std::string_view form) {
  ctx.MsgBox(
      {.text = ProcedureErrorText(error, procedure, form), .title = ctx.App().title, .buttons = ui::MsgButtons::kOk});
}

}  // namespace core
