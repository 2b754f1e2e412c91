#pragma once

#include "runtime/error.h"

// The errors the window and control model raises, with their classic numbers and texts.
namespace ui::errors {

inline runtime::Error InvalidProcedureCall() {
  return runtime::Error(runtime::kInvalidProcedureCall);
}
inline runtime::Error InvalidPropertyValue() {
  return runtime::Error(runtime::kInvalidPropertyValue);
}
inline runtime::Error InvalidArrayIndex() {
  return runtime::Error(381, "Invalid property array index");
}
inline runtime::Error ReadOnlyText() {
  return runtime::Error(383, "'Text' property is read-only");
}
inline runtime::Error CannotMoveSizedForm() {
  return runtime::Error(384, "A form can't be moved or sized while minimized or maximized");
}
inline runtime::Error ObjectUnloaded() {
  return runtime::Error(364, "Object was unloaded");
}
inline runtime::Error AlreadyShown() {
  return runtime::Error(400, "Form already displayed; can't show modally");
}
inline runtime::Error NoSuchArrayElement() {
  return runtime::Error(340, "Control array element doesn't exist");
}
inline runtime::Error ArrayElementExists() {
  return runtime::Error(360, "Object already loaded");
}

}  // namespace ui::errors
