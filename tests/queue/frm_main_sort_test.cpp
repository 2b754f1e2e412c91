// The queue's sorts and duplicate removal on the real main window, against the step-by-step
// procedures of literal_order.h and against hand-worked examples.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "literal_order.h"
#include "queue/frm_scan_stop.h"
#include "queue/queue_fixture.h"
#include "queue/queue_order.h"
#include "runtime/text.h"
#include "ui/busy_guard.h"

namespace {

class QueueOrderTest : public test::QueueFixture {
 protected:
  void SetQueue(const std::vector<std::string>& entries) {
    Main().List1.Clear();
    for (const std::string& entry : entries) Main().List1.AddItem(entry);
  }
  // A pick from the queue's pop-up menu: the entry must be enabled.
  void ChoosePopup(ui::MenuItem& item) {
    ASSERT_TRUE(item.Enabled()) << item.Name();
    AsEvent([&item] { item.Click(); });
  }
  test::literal::Compare TextOrder() {
    return [this](const std::string& a, const std::string& b) {
      int order = locale.CollationKey(a).compare(locale.CollationKey(b));
      return (order > 0) - (order < 0);
    };
  }
};

TEST_F(QueueOrderTest, SortsKeepTheOrderOfEqualTextsTheSelectionSortGives) {
  struct Case {
    ui::MenuItem mainwindow::frmMain::*item;
    bool popup;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {&mainwindow::frmMain::mnuAscending2, false, {"a", "A", "b"}},
      {&mainwindow::frmMain::mnuSortAscending, true, {"a", "A", "b"}},
      {&mainwindow::frmMain::mnuDescending2, false, {"b", "A", "a"}},
      {&mainwindow::frmMain::mnuSortDescending, true, {"b", "A", "a"}},
  };
  for (const Case& c : cases) {
    SetQueue({"b", "A", "a"});
    Main().UpdateQueueControls();
    user.ClickItem(Main().List1, 1);
    ASSERT_TRUE(Main().mnuOpen.Enabled());
    if (c.popup) {
      ChoosePopup(Main().*c.item);
    } else {
      user.ChooseMenu(Main().*c.item);
    }
    EXPECT_EQ(QueueEntries(), c.expected) << (Main().*c.item).Name();
    EXPECT_EQ(Main().List1.SelCount(), 0);
    EXPECT_EQ(Main().List1.ListIndex(), -1);
    EXPECT_FALSE(Main().mnuOpen.Enabled()) << "the pop-up offers nothing for a selection that is gone";
    EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
    EXPECT_EQ(backend.ScreenPointer(), ui::Pointer::kDefault);
  }
}

TEST_F(QueueOrderTest, SortingAnEmptyQueueSaysNothingAndEndsReady) {
  Main().lblUpdate.SetCaption("Busy");
  Main().mnuSortAscending_Click();
  EXPECT_EQ(Main().List1.ListCount(), 0);
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
}

TEST_F(QueueOrderTest, SmartSortPutsShorterNamesFirstWithinAFolder) {
  const std::vector<std::string> queue = {"C:\\P\\B1.dwg", "C:\\P\\A10.dwg", "C:\\P\\A2.dwg"};
  SetQueue(queue);
  Main().UpdateQueueControls();
  user.ChooseMenu(Main().mnuSmartSort2);
  EXPECT_EQ(QueueEntries(), (std::vector<std::string>{"C:\\P\\A2.dwg", "C:\\P\\B1.dwg", "C:\\P\\A10.dwg"}));
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");

  struct Case {
    std::int16_t type;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {0, {"C:\\P\\A10.dwg", "C:\\P\\A2.dwg", "C:\\P\\B1.dwg"}},
      {1, {"C:\\P\\B1.dwg", "C:\\P\\A2.dwg", "C:\\P\\A10.dwg"}},
      {2, {"C:\\P\\A2.dwg", "C:\\P\\B1.dwg", "C:\\P\\A10.dwg"}},
      {3, {"C:\\P\\A10.dwg", "C:\\P\\B1.dwg", "C:\\P\\A2.dwg"}},
      {4, queue},
  };
  for (const Case& c : cases) {
    SetQueue(queue);
    Main().settings.AutoSortType = c.type;
    std::string statusWhileEventsRun;
    AtPump(1, [&] { statusWhileEventsRun = Main().lblUpdate.Caption(); });
    Main().PerformSort();
    EXPECT_EQ(QueueEntries(), c.expected) << "type " << c.type;
    EXPECT_EQ(statusWhileEventsRun, "Performing AutoSort");
    EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
  }
}

// The smart sort works on a copy: no event can run while the queue would stand empty, and
// the main window's scratch list is never touched.
TEST_F(QueueOrderTest, SmartSortLetsNoEventRunAndLeavesTheScratchListAlone) {
  SetQueue({"C:\\P\\B1.dwg", "C:\\P\\A10.dwg"});
  Main().settings.Queue = {"kept"};
  int pumps = backend.Pumps();
  Main().SmartSort();
  EXPECT_EQ(backend.Pumps(), pumps);
  EXPECT_EQ(Main().settings.Queue, std::vector<std::string>{"kept"});
  EXPECT_EQ(QueueEntries(), (std::vector<std::string>{"C:\\P\\B1.dwg", "C:\\P\\A10.dwg"}));
}

TEST_F(QueueOrderTest, OrderingsAreRefusedWhileAnotherLongOperationRuns) {
  const std::vector<std::string> queue = {"C:\\P\\B1.dwg", "c:\\p\\a10.dwg"};
  SetQueue(queue);
  ui::BusyGuard running(ctx);
  Main().mnuSortAscending_Click();
  Main().mnuSortDescending_Click();
  Main().mnuReverseOrder_Click();
  Main().SmartSort();
  Main().PerformSort();
  Main().mnuQueueUpperCase_Click();
  Main().RemoveDuplicateItems(Main().List1);
  EXPECT_EQ(QueueEntries(), queue);
}

TEST_F(QueueOrderTest, ReverseAndCaseChangeHandleQueuesPastFifteenThousand) {
  std::vector<std::string> queue;
  for (int i = 0; i < 15002; ++i) queue.push_back("C:\\Jobs\\Sheet-" + std::to_string(i) + ".dwg");
  SetQueue(queue);
  Main().UpdateQueueControls();

  ChoosePopup(Main().mnuReverseOrder);
  std::vector<std::string> reversed(queue.rbegin(), queue.rend());
  EXPECT_EQ(QueueEntries(), reversed);

  ChoosePopup(Main().mnuQueueUpperCase);
  std::vector<std::string> upper;
  for (const std::string& entry : reversed) upper.push_back(runtime::UpperCase(entry));
  EXPECT_EQ(QueueEntries(), upper);

  ChoosePopup(Main().mnuQueueLowerCase);
  EXPECT_EQ(QueueEntries().front(), "c:\\jobs\\sheet-15001.dwg");
  EXPECT_EQ(Main().List1.ListCount(), 15002);
}

TEST_F(QueueOrderTest, TextSizeStepsOnePointWithinItsBounds) {
  struct Case {
    double from;
    bool larger;
    double to;
  };
  const Case cases[] = {
      {8.25, true, 9.25},  {11.25, true, 12.25}, {12.25, true, 12.25},
      {8.25, false, 7.25}, {4.25, false, 3.25},  {3.25, false, 3.25},
  };
  SetQueue({"C:\\A.dwg"});
  Main().UpdateQueueControls();
  for (const Case& c : cases) {
    Main().List1.SetFontSize(c.from);
    ChoosePopup(c.larger ? Main().mnuTextLarger : Main().mnuTextSmaller);
    EXPECT_DOUBLE_EQ(Main().List1.Font().size, c.to) << c.from << (c.larger ? " larger" : " smaller");
  }
}

TEST_F(QueueOrderTest, DuplicatesLeaveTheLastOfEachGroupAndAreCounted) {
  SetQueue({"C:\\A.dwg", "c:\\b.dwg", "c:\\a.DWG", "C:\\B.dwg"});
  Main().UpdateQueueControls();
  ExpectMessage(kAppTitle, "2 Duplicate Items Removed ").Icon(ui::MsgIcon::kInformation).Buttons(ui::MsgButtons::kOk);
  std::string progressShown;
  AtPump(2, [&] { progressShown = app.frmScanStop().lblScanned.Caption(); });

  user.ChooseMenu(Main().mnuRemoveDuplicates);

  EXPECT_EQ(QueueEntries(), (std::vector<std::string>{"c:\\a.DWG", "C:\\B.dwg"}));
  EXPECT_EQ(progressShown, "Buffering File Names");
  EXPECT_EQ(app.frmScanStop().lblScanned.Caption(), "67% Complete");
  EXPECT_FALSE(app.frmScanStop().Visible());
  EXPECT_EQ(Main().lblFilesInQueue.Caption(), "Queue = 2");
}

TEST_F(QueueOrderTest, DuplicateProgressCountsRemovalsAgainstTheQueueLength) {
  SetQueue({"C:\\A.dwg", "C:\\B.dwg", "C:\\C.dwg", "C:\\D.dwg", "c:\\a.dwg"});
  Main().UpdateQueueControls();
  ExpectMessage(kAppTitle, "1 Duplicate Items Removed ");
  ChoosePopup(Main().mnuRemoveDuplicates2);
  EXPECT_EQ(app.frmScanStop().lblScanned.Caption(), "25% Complete");

  SetQueue({});
  ExpectMessage(kAppTitle, "0 Duplicate Items Removed ");
  Main().RemoveDuplicateItems(Main().List1);
}

TEST_F(QueueOrderTest, ProgressRoundsToWholePercentsWithHalvesToEven) {
  struct Case {
    long removed;
    long total;
    const char* text;
  };
  const Case cases[] = {
      {1, 4, "25% Complete"}, {1, 8, "12% Complete"},  {3, 8, "38% Complete"},
      {2, 3, "67% Complete"}, {4, 4, "100% Complete"}, {0, 0, "0% Complete"},
  };
  for (const Case& c : cases) EXPECT_EQ(queue::RemovalProgress(c.removed, c.total), c.text);
}

// Mixed-case texts over a small alphabet, so that equal texts are frequent.
std::vector<std::string> RandomQueue(std::mt19937& random) {
  static const std::vector<std::string> kTexts = {
      "a",  "A", "b", "B", "_", "a_", "A_", "C:\\P\\x1.dwg", "c:\\p\\X1.DWG", "C:\\P\\x10.dwg", "C:\\Q\\x2.dwg",
      "ab", "Ab"};
  std::uniform_int_distribution<std::size_t> length(0, 9);
  std::uniform_int_distribution<std::size_t> pick(0, kTexts.size() - 1);
  std::vector<std::string> queue(length(random));
  for (std::string& text : queue) text = kTexts[pick(random)];
  return queue;
}

TEST_F(QueueOrderTest, SortsMatchTheStepByStepProceduresOnRandomQueues) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 300; ++round) {
    const std::vector<std::string> queue = RandomQueue(random);
    SetQueue(queue);
    Main().mnuSortAscending_Click();
    EXPECT_EQ(QueueEntries(), test::literal::SortAscending(queue, TextOrder())) << testing::PrintToString(queue);
    SetQueue(queue);
    Main().SmartSort();
    EXPECT_EQ(QueueEntries(), test::literal::SmartSort(queue, TextOrder())) << testing::PrintToString(queue);
  }
}

TEST_F(QueueOrderTest, DuplicateRemovalMatchesTheStepByStepProcedureAlsoWhenStopped) {
  std::mt19937 random(1210);
  for (int round = 0; round < 300; ++round) {
    const std::vector<std::string> queue = RandomQueue(random);
    std::vector<std::string> whole = queue;
    const int total = test::literal::RemoveDuplicates(whole, TextOrder());
    // Stop after k removals, or never (k = total).
    const int stopAfter = std::uniform_int_distribution<int>(0, total)(random);
    std::vector<std::string> expected = queue;
    const int removed = stopAfter < total ? test::literal::RemoveDuplicates(expected, TextOrder(), stopAfter)
                                          : test::literal::RemoveDuplicates(expected, TextOrder());
    SetQueue(queue);
    if (stopAfter < total && stopAfter > 0) {
      AtPump(1 + stopAfter, [&] { user.Click(app.frmScanStop().cmdCancel); });
    }
    ExpectMessage(kAppTitle,
                  std::to_string(stopAfter == 0 && queue.size() >= 2 ? 0 : removed) + " Duplicate Items Removed ");
    if (stopAfter == 0) AtPump(1, [&] { user.Click(app.frmScanStop().cmdCancel); });

    Main().RemoveDuplicateItems(Main().List1);

    if (stopAfter == 0 && queue.size() >= 2) expected = queue;
    EXPECT_EQ(QueueEntries(), expected) << testing::PrintToString(queue) << " stopped after " << stopAfter;
  }
}

}  // namespace
