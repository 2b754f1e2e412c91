#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "ui/context.h"
#include "ui/form.h"
#include "ui/ui_errors.h"

namespace ui {

class FormSlotBase {
 public:
  virtual ~FormSlotBase() = default;

 protected:
  friend class Form;
  // The form unloaded: give it up (the context destroys it once no handler runs).
  virtual void Release(Form& form) = 0;
  static void Attach(Form& form, FormSlotBase* slot) { form.slot_ = slot; }
};

// Where the App keeps one form: created and loaded on first touch, given up when it unloads,
// created afresh on the next touch. Code reaches the form through the slot every time and
// never keeps a reference across an unload.
//
//   ui::FormSlot<frmOptions> frmOptions_{ctx, [this] { return std::make_unique<frmOptions>(*this); }};
//   frmOptions& frmOptions() { return frmOptions_(); }
template <class T>
class FormSlot : public FormSlotBase {
 public:
  using Factory = std::function<std::unique_ptr<T>()>;

  FormSlot(Context& ctx, Factory factory) : ctx_(ctx), factory_(std::move(factory)) {}
  explicit FormSlot(Context& ctx) : FormSlot(ctx, [&ctx] { return std::make_unique<T>(ctx); }) {}
  ~FormSlot() override = default;
  FormSlot(const FormSlot&) = delete;
  FormSlot& operator=(const FormSlot&) = delete;

  // The form, created and loaded when it is not loaded. Error 364 when its Load unloaded it.
  T& operator()() {
    if (!form_) {
      form_ = factory_();
      Attach(*form_, this);
      T* created = form_.get();
      created->Load();
      if (form_.get() != created) throw errors::ObjectUnloaded();
    }
    return *form_;
  }
  bool Loaded() const { return form_ != nullptr; }
  // The loaded form, or nullptr; never loads.
  T* IfLoaded() const { return form_.get(); }

 protected:
  void Release(Form& form) override {
    if (form_.get() == &form) ctx_.Retire(std::move(form_));
  }

 private:
  Context& ctx_;
  Factory factory_;
  std::unique_ptr<T> form_;
};

}  // namespace ui
