#pragma once

#include <cstdint>

#include "ui/form.h"

namespace ui {

// A back end whose form peers stand for real windows gives their handles through this, for
// system calls that take an owner window.
class NativeWindowSource {
 public:
  virtual std::uintptr_t WindowHandle() const = 0;

 protected:
  ~NativeWindowSource() = default;
};

// The window handle behind the form; 0 (no owner) when its back end has no real window.
inline std::uintptr_t NativeWindowOf(const Form& form) {
  const auto* source = dynamic_cast<const NativeWindowSource*>(form.Peer());
  return source != nullptr ? source->WindowHandle() : 0;
}

}  // namespace ui
