#pragma once

namespace ui {

class Context;

// Marks the program busy while a long operation lets events run (DoEvents), so that the
// same operation, or another that changes the queue, cannot start inside it. Stop buttons
// take no guard and so still work.
//
//   ui::BusyGuard busy(ctx);
//   if (!busy) return;  // another long operation is running
class BusyGuard {
 public:
  explicit BusyGuard(Context& ctx);
  ~BusyGuard();
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

  // False when the program was busy already: the caller must return without doing anything.
  explicit operator bool() const { return acquired_; }

 private:
  Context& ctx_;
  bool acquired_;
};

}  // namespace ui
