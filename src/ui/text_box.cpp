#include "ui/text_box.h"

#include <algorithm>
#include <utility>

#include "runtime/text.h"
#include "ui/ui_errors.h"

namespace ui {

TextBox::TextBox(Container* parent, std::string name, int index) : Control(parent, std::move(name), index) {
  SetBackColor(kWindowBackground);
  SetForeColor(kWindowText);
}

void TextBox::SetText(std::string text) {
  runtime::BlankNuls(text);
  canUndo_ = false;
  undoText_.clear();
  if (text_ == text) return;
  text_ = std::move(text);
  selStart_ = 0;
  selLength_ = 0;
  Changed(Property::kText);
  Raise(onChange);
}

void TextBox::SetSelStart(int start) {
  if (start < 0) throw errors::InvalidPropertyValue();
  selStart_ = std::min(start, static_cast<int>(text_.size()));
  selLength_ = 0;
  Changed(Property::kSelection);
}

void TextBox::SetSelLength(int length) {
  if (length < 0) throw errors::InvalidPropertyValue();
  selLength_ = std::min(length, static_cast<int>(text_.size()) - selStart_);
  Changed(Property::kSelection);
}

std::string TextBox::SelText() const {
  return text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void TextBox::SetSelText(const std::string& text) {
  Replace(text, true);
}

void TextBox::ReplaceSelection(const std::string& text, bool canUndo) {
  Replace(text, canUndo);
}

void TextBox::Replace(const std::string& text, bool canUndo) {
  std::string edited = text_;
  edited.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), text);
  runtime::BlankNuls(edited);
  std::string before = text_;
  int caret = selStart_ + static_cast<int>(text.size());
  if (canUndo) {
    undoText_ = std::move(before);
    canUndo_ = true;
  }
  selStart_ = caret;
  selLength_ = 0;
  SetTextKeepingUndo(std::move(edited));
}

void TextBox::Undo() {
  if (!canUndo_) return;
  std::string previous = std::exchange(undoText_, text_);
  selStart_ = 0;
  selLength_ = 0;
  SetTextKeepingUndo(std::move(previous));
}

void TextBox::SetTextKeepingUndo(std::string text) {
  runtime::BlankNuls(text);
  if (text_ == text) {
    Changed(Property::kSelection);
    return;
  }
  text_ = std::move(text);
  selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
  Changed(Property::kText);
  Raise(onChange);
}

void TextBox::SetMultiLine(bool multiLine) {
  multiLine_ = multiLine;
}

void TextBox::SetScrollBars(ui::ScrollBars scrollBars) {
  scrollBars_ = scrollBars;
}

void TextBox::SetLocked(bool locked) {
  if (locked_ == locked) return;
  locked_ = locked;
  Changed(Property::kLocked);
}

void TextBox::SetMaxLength(int maxLength) {
  if (maxLength < 0) throw errors::InvalidPropertyValue();
  maxLength_ = maxLength;
  Changed(Property::kLocked);
}

void TextBox::SetAlignment(ui::Alignment alignment) {
  alignment_ = alignment;
}

void TextBox::Type(const std::string& characters) {
  bool first = true;
  for (char typed : characters) {
    if (typed == '\r') continue;
    int keyAscii = typed == '\n' ? 13 : static_cast<unsigned char>(typed);
    KeyPress(keyAscii);
    if (keyAscii == 0 || locked_) continue;
    std::string insert =
        keyAscii == 13 ? std::string(multiLine_ ? "\r\n" : "") : std::string(1, static_cast<char>(keyAscii));
    int room =
        maxLength_ > 0 ? maxLength_ - (static_cast<int>(text_.size()) - selLength_) : static_cast<int>(insert.size());
    if (insert.empty() || room < static_cast<int>(insert.size())) continue;
    std::string edited = text_;
    edited.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), insert);
    if (first) {
      undoText_ = text_;
      canUndo_ = true;
      first = false;
    }
    selStart_ += static_cast<int>(insert.size());
    selLength_ = 0;
    SetTextKeepingUndo(std::move(edited));
  }
}

void TextBox::EditByUser(std::string text, int caret) {
  if (text == text_) return;
  undoText_ = text_;
  canUndo_ = true;
  selStart_ = std::clamp(caret, 0, static_cast<int>(text.size()));
  selLength_ = 0;
  SetTextKeepingUndo(std::move(text));
}

void TextBox::Click() {
  Raise(onClick);
}

void TextBox::DblClick() {
  Raise(onDblClick);
}

}  // namespace ui
