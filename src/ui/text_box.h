#pragma once

#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

enum class ScrollBars : int { kNone = 0, kHorizontal = 1, kVertical = 2, kBoth = 3 };

class TextBox : public Control {
 public:
  TextBox(Container* parent, std::string name, int index = -1);

  // Setting the text in code runs Change when it differs, puts the caret at the start and
  // forgets the undo step.
  const std::string& Text() const { return text_; }
  void SetText(std::string text);

  // Selection, 0-based in characters. SelStart beyond the end goes to the end; a negative
  // value is error 380. Setting SelStart empties the selection.
  int SelStart() const { return selStart_; }
  void SetSelStart(int start);
  int SelLength() const { return selLength_; }
  void SetSelLength(int length);
  std::string SelText() const;
  // Replaces the selection (or inserts at the caret); the caret ends after the new text.
  // Runs Change; the old text becomes the undo step.
  void SetSelText(const std::string& text);
  // The same, deciding whether the edit can be undone (the replace-selection message).
  void ReplaceSelection(const std::string& text, bool canUndo);

  // The box's one-step undo: back to the text before the last edit; a second undo redoes it.
  bool CanUndo() const { return canUndo_; }
  void Undo();

  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine);
  ui::ScrollBars ScrollBars() const { return scrollBars_; }
  void SetScrollBars(ui::ScrollBars scrollBars);
  // A locked box takes no typing; code may still set its text.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);
  // The most characters the user may type; 0 = no limit. Code may set longer texts.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength);
  ui::Alignment Alignment() const { return alignment_; }
  void SetAlignment(ui::Alignment alignment);

  // The user typed: KeyPress runs for every character (a handler may change or swallow it),
  // the characters replace the selection as one undo step, Change runs after each. Nothing
  // happens in a locked box; typing stops at MaxLength.
  void Type(const std::string& characters);
  // The user's edit as a real edit box reports it: the whole new text and the caret. One
  // undo step; Change runs when the text differs.
  void EditByUser(std::string text, int caret);

  void Click();
  void DblClick();
  std::function<void()> onChange;
  std::function<void()> onClick;
  std::function<void()> onDblClick;

 private:
  void Replace(const std::string& text, bool canUndo);
  void SetTextKeepingUndo(std::string text);

  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  std::string undoText_;
  bool canUndo_ = false;
  bool multiLine_ = false;
  ui::ScrollBars scrollBars_ = ui::ScrollBars::kNone;
  bool locked_ = false;
  int maxLength_ = 0;
  ui::Alignment alignment_ = ui::Alignment::kLeft;
};

}  // namespace ui
