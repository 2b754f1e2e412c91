#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/list_search.h"
#include "ui/ui.h"

namespace {

class frmLists : public ui::Form {
 public:
  explicit frmLists(ui::Context& ctx) : Form(ctx, "frmLists") {
    List1.SetMultiSelect(ui::MultiSelect::kExtended);
    List1.onClick = [this] { ++clicks; };
    Sorted.SetSorted(true);
    SortedCombo.SetSorted(true);
    Combo1.SetStyle(ui::ComboStyle::kDropDownList);
    for (const char* format : {"Don't Change", "R14", "2000"}) Combo1.AddItem(format);
  }

  std::vector<std::string> Items(const ui::ListControl& list) const {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    return items;
  }
  std::vector<int> SelectedItems(const ui::ListControl& list) const {
    std::vector<int> selected;
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.Selected(i)) selected.push_back(i);
    }
    return selected;
  }

  ui::ListBox List1{this, "List1"};
  ui::ListBox Sorted{this, "Sorted"};
  ui::ComboBox Combo1{this, "Combo1"};
  ui::ComboBox SortedCombo{this, "SortedCombo"};
  int clicks = 0;
};

class ListBoxTest : public test::AppFixture {
 protected:
  void SetUp() override {
    form.Show();
    for (const char* path : {"C:\\A.dwg", "C:\\B.dwg", "C:\\C.dwg", "C:\\D.dwg", "C:\\E.dwg"}) form.List1.AddItem(path);
  }

  void ExpectError(int number, const std::function<void()>& action) {
    try {
      action();
      ADD_FAILURE() << "no error";
    } catch (const runtime::Error& error) {
      EXPECT_EQ(error.Number(), number);
    }
  }

  frmLists form{ctx};
};

TEST_F(ListBoxTest, ASortedListPlacesItemsIgnoringCaseAndReportsNewIndex) {
  struct Step {
    const char* item;
    int newIndex;
  };
  const Step steps[] = {{"delta", 0}, {"Alpha", 0}, {"charlie", 1}, {"BRAVO", 1}, {"echo", 4}, {"alpha", 1}};
  for (const auto& step : steps) {
    form.Sorted.AddItem(step.item);
    EXPECT_EQ(form.Sorted.NewIndex(), step.newIndex) << step.item;
  }
  EXPECT_EQ(form.Items(form.Sorted), (std::vector<std::string>{"Alpha", "alpha", "BRAVO", "charlie", "delta", "echo"}));
  form.Sorted.AddItem("zulu", 0);
  EXPECT_EQ(form.Sorted.List(0), "zulu") << "an explicit index wins";
  form.Sorted.RemoveItem(0);
  EXPECT_EQ(form.Sorted.NewIndex(), -1);
}

// A sorted list keeps the locale's text order (letter case ignored), not the order of the
// lower-cased bytes: a backslash comes before digits, a hyphen counts only between texts that
// are otherwise equal.
TEST_F(ListBoxTest, ASortedListKeepsTheLocalesOrderWhereItIsNotTheOrderOfTheBytes) {
  struct Case {
    std::vector<std::string> added;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {{"C:\\W2\\", "C:\\W\\"}, {"C:\\W\\", "C:\\W2\\"}},
      {{"c:\\w\\", "C:\\W2\\", "C:\\V\\"}, {"C:\\V\\", "c:\\w\\", "C:\\W2\\"}},
      {{"a-c", "ab"}, {"ab", "a-c"}},
      {{"co-op", "coop", "cop"}, {"coop", "co-op", "cop"}},
  };
  for (const Case& c : cases) {
    frmLists lists(ctx);
    for (const std::string& item : c.added) {
      lists.Sorted.AddItem(item);
      lists.SortedCombo.AddItem(item);
    }
    EXPECT_EQ(lists.Items(lists.Sorted), c.shown) << c.added.front();
    EXPECT_EQ(lists.Items(lists.SortedCombo), c.shown) << c.added.front();
    lists.Sorted.Clear();
    lists.Sorted.AddItems(c.added);
    EXPECT_EQ(lists.Items(lists.Sorted), c.shown) << c.added.front();
  }
}

TEST_F(ListBoxTest, AddingManyItemsAtOnceMatchesAddingThemOneByOne) {
  form.List1.SetListIndex(1);
  form.List1.AddItems({"C:\\F.dwg", "", "C:\\G.dwg"});
  EXPECT_EQ(form.Items(form.List1), (std::vector<std::string>{"C:\\A.dwg", "C:\\B.dwg", "C:\\C.dwg", "C:\\D.dwg",
                                                              "C:\\E.dwg", "C:\\F.dwg", "", "C:\\G.dwg"}));
  EXPECT_EQ(form.List1.NewIndex(), 7);
  EXPECT_EQ(form.List1.ListIndex(), 1) << "the current item stays";
  form.List1.AddItems({});
  EXPECT_EQ(form.List1.ListCount(), 8);

  form.Sorted.AddItems({"delta", "Alpha", "charlie"});
  EXPECT_EQ(form.Items(form.Sorted), (std::vector<std::string>{"Alpha", "charlie", "delta"}));
  EXPECT_EQ(form.Sorted.NewIndex(), 1);
}

TEST_F(ListBoxTest, AddingAndRemovingKeepsTheCurrentItemOnItsEntry) {
  form.List1.SetListIndex(2);
  form.List1.AddItem("C:\\first.dwg", 0);
  EXPECT_EQ(form.List1.ListIndex(), 3);
  EXPECT_EQ(form.List1.Text(), "C:\\C.dwg");
  form.List1.RemoveItem(0);
  EXPECT_EQ(form.List1.Text(), "C:\\C.dwg");
  form.List1.RemoveItem(2);
  EXPECT_EQ(form.List1.ListIndex(), -1) << "removing the current item leaves none";
}

TEST_F(ListBoxTest, RemovingManyItemsAtOnceKeepsWhatTheKeptItemsCarry) {
  user.ClickItem(form.List1, 1);
  user.ClickItem(form.List1, 3, ui::kCtrlMask);
  form.List1.SetItemData(3, 42);

  form.List1.RemoveItems({true, false, true});

  EXPECT_EQ(form.Items(form.List1), (std::vector<std::string>{"C:\\B.dwg", "C:\\D.dwg", "C:\\E.dwg"}));
  EXPECT_EQ(form.SelectedItems(form.List1), (std::vector<int>{0, 1}));
  EXPECT_EQ(form.List1.ListIndex(), 1);
  EXPECT_EQ(form.List1.ItemData(1), 42);

  form.List1.RemoveItems({false, true});
  EXPECT_EQ(form.List1.ListIndex(), -1) << "removing the current item leaves none";
  EXPECT_EQ(form.Items(form.List1), (std::vector<std::string>{"C:\\B.dwg", "C:\\E.dwg"}));
}

TEST_F(ListBoxTest, IndexesOutsideTheListAreErrors) {
  ExpectError(5, [&] { form.List1.AddItem("x", 7); });
  ExpectError(5, [&] { form.List1.RemoveItem(5); });
  ExpectError(380, [&] { form.List1.SetListIndex(5); });
  ExpectError(381, [&] { form.List1.Selected(-1); });
  ExpectError(381, [&] { form.List1.SetItemData(9, 1); });
  ExpectError(5, [&] { form.List1.SetOrder({4, 3, 2, 1, 9}); });
  EXPECT_EQ(form.Items(form.List1),
            (std::vector<std::string>{"C:\\A.dwg", "C:\\B.dwg", "C:\\C.dwg", "C:\\D.dwg", "C:\\E.dwg"}))
      << "a bad order moves no item";
  EXPECT_EQ(form.List1.List(5), "") << "reading past the end gives an empty text";
  EXPECT_EQ(form.List1.List(-1), "");
}

TEST_F(ListBoxTest, ExtendedSelectionFollowsShiftAndCtrlClicks) {
  struct Click {
    int index;
    int shift;
    std::vector<int> selected;
  };
  const Click clicks[] = {
      {1, 0, {1}},
      {3, ui::kShiftMask, {1, 2, 3}},
      {0, ui::kCtrlMask, {0, 1, 2, 3}},
      {2, ui::kCtrlMask, {0, 1, 3}},
      {4, ui::kShiftMask, {2, 3, 4}},
      {4, 0, {4}},
  };
  for (const auto& click : clicks) {
    user.ClickItem(form.List1, click.index, click.shift);
    EXPECT_EQ(form.SelectedItems(form.List1), click.selected) << "click on " << click.index;
    EXPECT_EQ(form.List1.ListIndex(), click.index);
  }
  EXPECT_EQ(form.List1.SelCount(), 1);
  EXPECT_EQ(form.clicks, 6);
}

TEST_F(ListBoxTest, EveryClickOnAnItemRunsClickButCodeOnlyOnAChange) {
  int clicks = 0;
  form.Sorted.AddItem("only");
  form.Sorted.onClick = [&] { ++clicks; };
  user.ClickItem(form.Sorted, 0);
  user.ClickItem(form.Sorted, 0);
  form.Sorted.SetListIndex(0);
  EXPECT_EQ(clicks, 2);
  user.PressKey(form.Sorted, ui::kKeyUp);
  EXPECT_EQ(clicks, 2) << "a key that moves nothing changes nothing";
}

TEST_F(ListBoxTest, TheCurrentItemOfAMultiSelectListNeedNotBeSelected) {
  form.List1.SetSelected(0, true);
  form.List1.SetSelected(4, true);
  form.clicks = 0;
  form.List1.SetListIndex(2);
  EXPECT_EQ(form.SelectedItems(form.List1), (std::vector<int>{0, 4}));
  EXPECT_EQ(form.clicks, 1);
}

TEST_F(ListBoxTest, ArrowKeysMoveTheCurrentItemAfterKeyDown) {
  std::vector<int> seenByKeyDown;
  form.List1.onKeyDown = [&](int& keyCode, int) { seenByKeyDown.push_back(form.List1.ListIndex()); };
  user.ClickItem(form.List1, 1);
  user.PressKey(form.List1, ui::kKeyDown);
  user.PressKey(form.List1, ui::kKeyDown);
  EXPECT_EQ(seenByKeyDown, (std::vector<int>{1, 2}));
  EXPECT_EQ(form.List1.ListIndex(), 3);
  EXPECT_EQ(form.SelectedItems(form.List1), std::vector<int>{3});
  form.List1.onKeyDown = [](int& keyCode, int) { keyCode = 0; };
  user.PressKey(form.List1, ui::kKeyUp);
  EXPECT_EQ(form.List1.ListIndex(), 3) << "a swallowed key does not move";
}

TEST_F(ListBoxTest, FindListItemLooksAfterTheGivenItemGoingRoundIgnoringCase) {
  form.List1.SetItems({"Beta", "alpha", "Apple", "banana", "Cherry", "Alp"});
  struct Case {
    const char* text;
    int after;
    bool whole;
    int found;
  };
  const Case cases[] = {
      {"a", -1, false, 1},         {"a", 1, false, 2},  {"A", 2, false, 5},    {"a", 5, false, 1},
      {"b", 0, false, 3},          {"b", 3, false, 0},  {"ALP", -1, false, 1}, {"alp", -1, true, 5},
      {"Cherry", 4, true, 4},      {"c", 99, false, 4}, {"z", -1, false, -1},  {"", -1, false, -1},
      {"alphabet", -1, false, -1}, {"alp", 5, true, 5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::FindListItem(form.List1, c.text, c.after, c.whole), c.found)
        << c.text << " after " << c.after << (c.whole ? " whole" : " prefix");
  }
  form.List1.Clear();
  EXPECT_EQ(ui::FindListItem(form.List1, "a", -1, false), -1);
}

TEST_F(ListBoxTest, ItemDataTravelsWithItsItem) {
  form.List1.SetItemData(1, 42);
  form.List1.AddItem("C:\\0.dwg", 0);
  EXPECT_EQ(form.List1.ItemData(2), 42);
  EXPECT_EQ(form.List1.ItemData(0), 0);
  form.List1.AddTexts(ui::TextList::FromLines("C:\\F.dwg\r\nC:\\G.dwg"));
  form.List1.AddItems({"C:\\H.dwg"});
  form.List1.RemoveItem(0);
  EXPECT_EQ(form.List1.ItemData(1), 42);
  form.List1.SetItemData(7, -7);
  EXPECT_EQ(form.List1.ItemData(7), -7) << "an appended item takes data like any other";
  EXPECT_EQ(form.List1.ItemData(6), 0);
  form.List1.SetItems({"C:\\X.dwg", "C:\\Y.dwg"});
  EXPECT_EQ(form.List1.ItemData(1), 0) << "new items start with data 0";
}

// Lines read as one block join the list after its items, NULs blanked; a sorted list puts
// each at its place.
TEST_F(ListBoxTest, TextsInOneBlockJoinTheList) {
  form.List1.AddTexts(ui::TextList::FromLines(std::string("C:\\F.dwg\r\nC:\\G\0.dwg\r\n", 20)));
  EXPECT_EQ(form.Items(form.List1), (std::vector<std::string>{"C:\\A.dwg", "C:\\B.dwg", "C:\\C.dwg", "C:\\D.dwg",
                                                              "C:\\E.dwg", "C:\\F.dwg", "C:\\G .dwg"}));
  EXPECT_EQ(form.List1.NewIndex(), 6);
  form.List1.AddTexts(ui::TextList::FromLines(""));
  EXPECT_EQ(form.List1.ListCount(), 7) << "no lines add nothing";

  form.Sorted.AddTexts(ui::TextList::FromLines("delta\nAlpha\ncharlie"));
  EXPECT_EQ(form.Items(form.Sorted), (std::vector<std::string>{"Alpha", "charlie", "delta"}));
  form.List1.Clear();
  form.List1.AddTexts(ui::TextList::FromLines("C:\\Z.dwg\r\n"));
  form.List1.SetItemData(0, 3);
  EXPECT_EQ(form.Items(form.List1), std::vector<std::string>{"C:\\Z.dwg"}) << "an empty list takes the block over";
  EXPECT_EQ(form.List1.ItemData(0), 3);
}

TEST_F(ListBoxTest, TopIndexStaysInsideTheList) {
  form.List1.SetTopIndex(3);
  EXPECT_EQ(form.List1.TopIndex(), 3);
  form.List1.SetTopIndex(99);
  EXPECT_EQ(form.List1.TopIndex(), 4);
  form.List1.Clear();
  EXPECT_EQ(form.List1.TopIndex(), 0);
  ExpectError(380, [&] { form.List1.SetTopIndex(-1); });
}

TEST_F(ListBoxTest, ADropDownListTakesOnlyItsOwnItemsAsText) {
  int clicks = 0;
  form.Combo1.onClick = [&] { ++clicks; };
  form.Combo1.SetText("r14");
  EXPECT_EQ(form.Combo1.ListIndex(), 1);
  EXPECT_EQ(form.Combo1.Text(), "R14");
  EXPECT_EQ(clicks, 1);
  ExpectError(383, [&] { form.Combo1.SetText("R12"); });
  EXPECT_EQ(form.Combo1.Text(), "R14");
}

TEST_F(ListBoxTest, ADropDownComboTakesAnyTextAndFollowsItsList) {
  form.Combo1.SetStyle(ui::ComboStyle::kDropDownCombo);
  std::vector<std::string> log;
  form.Combo1.onChange = [&] { log.push_back("Change " + form.Combo1.Text()); };
  form.Combo1.onClick = [&] { log.push_back("Click " + form.Combo1.Text()); };
  form.Combo1.SetText("custom");
  EXPECT_EQ(form.Combo1.ListIndex(), -1);
  form.Combo1.SetListIndex(2);
  user.Fill(form.Combo1, "r14");
  EXPECT_EQ(log, (std::vector<std::string>{"Change custom", "Click 2000", "Change r14"}));
  EXPECT_EQ(form.Combo1.ListIndex(), 1) << "a typed text that names an item makes it current";
}

}  // namespace
