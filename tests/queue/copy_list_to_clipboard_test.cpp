#include "queue/copy_list_to_clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/form.h"
#include "ui/list_box.h"

namespace {

class frmWithList : public ui::Form {
 public:
  explicit frmWithList(ui::Context& ctx) : Form(ctx, "frmWithList") {}
  ui::ListBox List1{this, "List1"};
};

class CopyListToClipboardTest : public test::AppFixture {
 protected:
  frmWithList form{ctx};
};

TEST_F(CopyListToClipboardTest, JoinsTheEntriesWithLineBreaksAndSaysHowMany) {
  struct Case {
    std::vector<std::string> entries;
    std::string clipboard;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"C:\\A.dwg", "C:\\B.dwg", "\\\\srv\\x\\C.dwg"},
       "C:\\A.dwg\r\nC:\\B.dwg\r\n\\\\srv\\x\\C.dwg",
       "3 Items Copied to the Clipboard"},
      {{"only"}, "only", "1 Items Copied to the Clipboard"},
      {{}, "", "0 Items Copied to the Clipboard"},
  };
  for (const Case& c : cases) {
    form.List1.Clear();
    for (const std::string& entry : c.entries) form.List1.AddItem(entry);
    clipboard.text = "old text";
    ExpectMessage(kAppTitle, c.message).Icon(ui::MsgIcon::kInformation).Buttons(ui::MsgButtons::kOk);

    queue::CopyListToClipboard(ctx, form.List1);

    EXPECT_EQ(clipboard.text, c.clipboard);
  }
}

TEST_F(CopyListToClipboardTest, PutsBackThePointerItFound) {
  form.List1.AddItem("C:\\A.dwg");
  ExpectMessage(kAppTitle, "1 Items Copied to the Clipboard");
  ctx.SetScreenPointer(ui::Pointer::kArrow);

  queue::CopyListToClipboard(ctx, form.List1);

  EXPECT_EQ(backend.ScreenPointer(), ui::Pointer::kArrow);
}

}  // namespace
