#include "ui/win32/peer_factory.h"

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/dir_list_box.h"
#include "ui/drive_list_box.h"
#include "ui/dwg_thumbnail.h"
#include "ui/file_list_box.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/scroll_bar.h"
#include "ui/tab_control.h"
#include "ui/text_box.h"
#include "ui/win32/win32_check_box_peer.h"
#include "ui/win32/win32_combo_box_peer.h"
#include "ui/win32/win32_command_button_peer.h"
#include "ui/win32/win32_dir_list_peer.h"
#include "ui/win32/win32_dwg_thumbnail_peer.h"
#include "ui/win32/win32_frame_peer.h"
#include "ui/win32/win32_label_peer.h"
#include "ui/win32/win32_line_peer.h"
#include "ui/win32/win32_list_box_peer.h"
#include "ui/win32/win32_option_button_peer.h"
#include "ui/win32/win32_picture_box_peer.h"
#include "ui/win32/win32_scroll_bar_peer.h"
#include "ui/win32/win32_tab_control_peer.h"
#include "ui/win32/win32_text_box_peer.h"

namespace ui::win32 {

std::unique_ptr<ControlPeer> MakePeer(Win32Backend& backend, Control& control) {
  if (auto* box = dynamic_cast<TextBox*>(&control)) return std::make_unique<Win32TextBoxPeer>(backend, *box);
  if (auto* button = dynamic_cast<CommandButton*>(&control)) {
    return std::make_unique<Win32CommandButtonPeer>(backend, *button);
  }
  if (auto* box = dynamic_cast<CheckBox*>(&control)) return std::make_unique<Win32CheckBoxPeer>(backend, *box);
  if (auto* option = dynamic_cast<OptionButton*>(&control)) {
    return std::make_unique<Win32OptionButtonPeer>(backend, *option);
  }
  if (auto* label = dynamic_cast<Label*>(&control)) return std::make_unique<Win32LabelPeer>(backend, *label);
  if (auto* frame = dynamic_cast<Frame*>(&control)) return std::make_unique<Win32FramePeer>(backend, *frame);
  if (auto* picture = dynamic_cast<PictureBox*>(&control)) {
    return std::make_unique<Win32PictureBoxPeer>(backend, *picture);
  }
  if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
    return std::make_unique<Win32ComboBoxPeer>(backend, *combo, combo);
  }
  if (auto* drives = dynamic_cast<DriveListBox*>(&control)) {
    return std::make_unique<Win32ComboBoxPeer>(backend, *drives, nullptr);
  }
  if (auto* files = dynamic_cast<FileListBox*>(&control)) {
    return std::make_unique<Win32ListBoxPeer>(backend, *files, true);
  }
  if (auto* list = dynamic_cast<ListBox*>(&control)) return std::make_unique<Win32ListBoxPeer>(backend, *list, false);
  if (auto* folders = dynamic_cast<DirListBox*>(&control)) return std::make_unique<Win32DirListPeer>(backend, *folders);
  if (auto* bar = dynamic_cast<ScrollBar*>(&control)) return std::make_unique<Win32ScrollBarPeer>(backend, *bar);
  if (auto* tabs = dynamic_cast<TabControl*>(&control)) return std::make_unique<Win32TabControlPeer>(backend, *tabs);
  if (auto* thumbnail = dynamic_cast<DwgThumbnail*>(&control)) {
    return std::make_unique<Win32DwgThumbnailPeer>(backend, *thumbnail);
  }
  if (auto* line = dynamic_cast<Line*>(&control)) return std::make_unique<Win32LinePeer>(backend, *line);
  return nullptr;
}

}  // namespace ui::win32
