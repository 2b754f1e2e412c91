#pragma once

#include <functional>
#include <string>

#include "ui/list_control.h"

namespace ui {

enum class ComboStyle : int { kDropDownCombo = 0, kSimpleCombo = 1, kDropDownList = 2 };

class ComboBox : public ListControl {
 public:
  ComboBox(Container* parent, std::string name, int index = -1);

  // As ListBox: no event runs.
  void AddItem(std::string item, int index = -1);
  void RemoveItem(int index);
  void Clear();
  void SetList(int index, std::string text);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);

  // The text shown. A drop-down combo takes any text (Change runs when it differs). A
  // drop-down list takes only the text of one of its items (ignoring letter case), which
  // becomes the current item (Click runs); another text is error 383.
  std::string Text() const override;
  void SetText(std::string text);
  // The user edited the text of a drop-down combo.
  void EditByUser(std::string text);

  std::function<void()> onChange;

 protected:
  void OnListIndexChanged() override;

 private:
  int FindExact(const std::string& text) const;

  ComboStyle style_ = ComboStyle::kDropDownCombo;
  bool sorted_ = false;
  std::string text_;
};

}  // namespace ui
