#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/win32/win32_list_box_peer.h"
#include "ui_win32/win32_fixture.h"

namespace ui::win32 {
namespace {

using test_support::Win32BackendTest;

// A queue as the main window has it (an extended multi-select list) and a plain list.
class FrmLists : public Form {
 public:
  explicit FrmLists(Context& ctx) : Form(ctx, "frmLists") {
    SetCaption("Lists");
    Move(600, 600, 6000, 4500);
    List1.SetMultiSelect(MultiSelect::kExtended);
    List1.Move(150, 150, 2700, 3000);
    lstNames.Move(3000, 150, 2700, 3000);
    List1.onClick = [this] { ++queueClicks; };
    lstNames.onClick = [this] { ++nameClicks; };
  }

  ListBox List1{this, "List1"};
  ListBox lstNames{this, "lstNames"};
  int queueClicks = 0;
  int nameClicks = 0;
};

class Win32ListBoxTest : public Win32BackendTest {
 protected:
  void SetUp() override {
    form.List1.AddItems({"C:\\Jobs\\A1.dwg", "C:\\Jobs\\b2.dwg", "D:\\Site\\C3.dwg"});
    form.lstNames.AddItems({"Beta", "alpha", "Apple", "banana", "Cherry"});
    form.Load();
    queue = Window(form.List1);
    names = Window(form.lstNames);
  }

  static std::string TextA(HWND list, int index) {
    char text[64] = {};
    LRESULT length = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return length == LB_ERR ? "<error>" : std::string(text);
  }
  static std::wstring TextW(HWND list, int index) {
    wchar_t text[64] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  static std::vector<int> ShownSelection(HWND list) {
    std::vector<int> selected;
    auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      if (SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) selected.push_back(i);
    }
    return selected;
  }
  static std::vector<int> ModelSelection(const ListControl& list) {
    std::vector<int> selected;
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.Selected(i)) selected.push_back(i);
    }
    return selected;
  }
  static void Type(HWND list, char typed) { SendMessageA(list, WM_CHAR, static_cast<WPARAM>(typed), 1); }

  FrmLists form{ctx};
  HWND queue = nullptr;
  HWND names = nullptr;
};

// The window keeps no texts (a queue is held once, in the model), yet every text query a
// driver or a screen reader makes is answered, and the answers follow the model's changes.
TEST_F(Win32ListBoxTest, TheWindowKeepsNoTextsButAnswersEveryTextQueryFromTheModel) {
  EXPECT_NE(GetWindowLongA(queue, GWL_STYLE) & LBS_NODATA, 0);
  EXPECT_EQ(SendMessageA(queue, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(queue, LB_GETTEXTLEN, 1, 0), 14);
  EXPECT_EQ(TextA(queue, 1), "C:\\Jobs\\b2.dwg");
  EXPECT_EQ(TextW(queue, 2), L"D:\\Site\\C3.dwg");
  EXPECT_EQ(TextA(queue, 3), "<error>");
  EXPECT_EQ(
      SendMessageA(queue, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("c:\\jobs\\B2.DWG")),
      1);
  EXPECT_EQ(SendMessageW(queue, LB_FINDSTRING, 0, reinterpret_cast<LPARAM>(L"d:")), 2);
  EXPECT_EQ(SendMessageA(queue, LB_FINDSTRING, 0, reinterpret_cast<LPARAM>("E:")), LB_ERR);
  form.List1.SetItemData(0, 77);
  EXPECT_EQ(SendMessageA(queue, LB_GETITEMDATA, 0, 0), 77);

  form.List1.RemoveItem(0);
  form.List1.AddItem("A:\\First.dwg", 0);
  form.List1.SetList(2, "D:\\Site\\C3-renamed.dwg");
  std::vector<std::string> many;
  for (int i = 0; i < 3000; ++i) many.push_back("E:\\Many\\" + std::to_string(i) + ".dwg");
  form.List1.AddItems(many);
  EXPECT_EQ(SendMessageA(queue, LB_GETCOUNT, 0, 0), 3003);
  EXPECT_EQ(TextA(queue, 0), "A:\\First.dwg");
  EXPECT_EQ(TextA(queue, 2), "D:\\Site\\C3-renamed.dwg");
  EXPECT_EQ(TextA(queue, 3002), "E:\\Many\\2999.dwg");
  form.List1.SetItems({"Z:\\Only.dwg"});
  EXPECT_EQ(SendMessageA(queue, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(TextA(queue, 0), "Z:\\Only.dwg");
}

TEST_F(Win32ListBoxTest, AMultiSelectionReachesTheWindowAndTheUsersSelectionTheModel) {
  form.List1.SetSelected(0, true);
  form.List1.SetSelected(2, true);
  EXPECT_EQ(ShownSelection(queue), (std::vector<int>{0, 2}));
  form.List1.AddItems({"E:\\Late.dwg"});
  EXPECT_EQ(ShownSelection(queue), (std::vector<int>{0, 2})) << "appending keeps the selection";
  form.List1.RemoveItem(0);
  EXPECT_EQ(ShownSelection(queue), (std::vector<int>{1}));

  int clicks = form.queueClicks;
  SendMessageA(queue, LB_SETSEL, FALSE, -1);
  SendMessageA(queue, LB_SETSEL, TRUE, 0);
  SendMessageA(queue, LB_SETSEL, TRUE, 2);
  Notify(queue, LBN_SELCHANGE);
  EXPECT_EQ(ModelSelection(form.List1), (std::vector<int>{0, 2}));
  EXPECT_EQ(form.List1.ListIndex(), 2);
  EXPECT_EQ(form.queueClicks, clicks + 1);
}

// A typed letter moves to the next item after the current one that starts with it, letter
// case aside, going round past the end; a letter no item starts with leaves the list alone.
TEST_F(Win32ListBoxTest, ATypedLetterMovesToTheNextItemStartingWithIt) {
  struct Step {
    char typed;
    int current;
  };
  const Step steps[] = {{'a', 1}, {'A', 2}, {'a', 1}, {'b', 3}, {'B', 0}, {'z', 0}, {'c', 4}};
  for (const Step& step : steps) {
    Type(names, step.typed);
    EXPECT_EQ(form.lstNames.ListIndex(), step.current) << "after " << step.typed;
    EXPECT_EQ(SendMessageA(names, LB_GETCURSEL, 0, 0), step.current) << "after " << step.typed;
  }
  EXPECT_EQ(form.nameClicks, 6) << "each move runs Click once";

  Type(queue, 'd');
  EXPECT_EQ(form.List1.ListIndex(), 2);
  EXPECT_EQ(SendMessageA(queue, LB_GETCARETINDEX, 0, 0), 2);
}

TEST_F(Win32ListBoxTest, ItemsAreALineOfTheListsFontHigh) {
  auto lineOf = [this](const ListBox& list) { return FontHeight(Window(list), backend.Gdi().Font(list.Font())); };
  const auto small = static_cast<int>(SendMessageA(queue, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(small, lineOf(form.List1));
  form.List1.SetFontSize(20);
  const auto large = static_cast<int>(SendMessageA(queue, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(large, lineOf(form.List1));
  EXPECT_GT(large, small);
  // The item under a point follows the new height.
  const PixelScale& scale = backend.Scale();
  EXPECT_EQ(form.List1.ItemFromPoint(60, scale.ToTwips(large + large / 2)), 1);
}

// The list draws each item from the model: a selected item on the highlight, the others on
// the list's own colours, the text in the list's fore colour.
TEST_F(Win32ListBoxTest, ItemsAreDrawnFromTheModelInTheListsColours) {
  form.lstNames.SetBackColor(0x00FFFF);  // yellow
  form.lstNames.SetForeColor(0x0000FF);  // red
  form.lstNames.SetListIndex(1);
  RECT client;
  GetClientRect(names, &client);
  HDC screen = GetDC(names);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageA(names, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(names, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  auto pixelsOf = [&](int index, COLORREF color) {
    RECT item;
    SendMessageA(names, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    int count = 0;
    for (int y = item.top; y < item.bottom; ++y) {
      for (int x = item.left; x < item.right; ++x) count += GetPixel(dc, x, y) == color ? 1 : 0;
    }
    return count;
  };
  const COLORREF yellow = RGB(255, 255, 0);
  const COLORREF red = RGB(255, 0, 0);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_GT(pixelsOf(0, yellow), 0);
  EXPECT_GT(pixelsOf(0, red), 0) << "the text of an unselected item";
  EXPECT_EQ(pixelsOf(1, yellow), 0);
  EXPECT_GT(pixelsOf(1, highlight), 0);
  EXPECT_EQ(pixelsOf(1, red), 0);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(names, screen);
}

}  // namespace
}  // namespace ui::win32
