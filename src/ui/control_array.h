#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/container.h"
#include "ui/form.h"
#include "ui/ui_errors.h"

namespace ui {

// Controls of one name told apart by an index, whose events receive that index:
//   ui::ControlArray<ui::OptionButton> optPage{&frmSet, "optPage"};
//   ...in the constructor:
//   for (int i = 0; i < 5; ++i) optPage.Load(i).Move(120 + 240 * i, 240, 200, 255);
//   optPage.On(&ui::OptionButton::onClick, [this](int index) { optPage_Click(index); });
template <class T>
class ControlArray {
 public:
  ControlArray(Container* parent, std::string name) : parent_(parent), name_(std::move(name)) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  // Creates the element of this index (error 360 when it exists); its events are wired as
  // On asked for the others. On a loaded form the back end shows it at once.
  T& Load(int index) { return Load(index, parent_); }
  // The same in another container of the form, for an array whose elements lie on several
  // tabs of a tab control.
  T& Load(int index, Container* parent) {
    if (elements_.count(index)) throw errors::ArrayElementExists();
    auto& element = elements_[index] = std::make_unique<T>(parent, name_, index);
    for (auto& wire : wiring_) wire(*element);
    element->ParentForm().ControlLoaded(*element);
    return *element;
  }
  // The element of this index; error 340 when there is none.
  T& operator[](int index) const {
    auto found = elements_.find(index);
    if (found == elements_.end()) throw errors::NoSuchArrayElement();
    return *found->second;
  }
  bool Exists(int index) const { return elements_.count(index) > 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  // Lowest and highest index; 0 and -1 for an empty array.
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
  const std::string& Name() const { return name_; }

  // Wires one event of every element, present and future, to a handler that gets the
  // element's index before the event's own arguments.
  template <class Event, class Owner, class Handler>
  void On(Event Owner::*event, Handler handler) {
    auto wire = [event, handler](T& element) {
      int index = element.Index();
      element.*event = [handler, index](auto&&... args) { handler(index, std::forward<decltype(args)>(args)...); };
    };
    for (auto& [index, element] : elements_) wire(*element);
    wiring_.push_back(wire);
  }

  // The elements in index order.
  std::vector<T*> Elements() const {
    std::vector<T*> all;
    for (auto& [index, element] : elements_) all.push_back(element.get());
    return all;
  }

 private:
  Container* parent_;
  std::string name_;
  std::map<int, std::unique_ptr<T>> elements_;
  std::vector<std::function<void(T&)>> wiring_;
};

}  // namespace ui
