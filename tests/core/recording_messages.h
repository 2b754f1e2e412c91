#pragma once

#include <vector>

#include "ui/message_box.h"

namespace core_test {

// Records every message box and answers OK (or a set answer).
class RecordingMessages : public ui::MessageService {
 public:
  ui::MsgAnswer Show(const ui::MessageBoxSpec& box) override {
    shown.push_back(box);
    return answer;
  }

  std::vector<ui::MessageBoxSpec> shown;
  ui::MsgAnswer answer = ui::MsgAnswer::kOk;
};

}  // namespace core_test
