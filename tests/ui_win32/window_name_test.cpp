#include "ui/win32/window_name.h"

#include <gtest/gtest.h>

namespace ui::win32 {
namespace {

TEST(AutomationNameTest, AddsTheIndexOfAControlArrayElement) {
  EXPECT_EQ(AutomationName("List1", -1), "List1");
  EXPECT_EQ(AutomationName("optPage", 0), "optPage(0)");
  EXPECT_EQ(AutomationName("optPage", 12), "optPage(12)");
}

class WindowNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
};

TEST_F(WindowNameTest, IsAGlobalAtomAnyProcessCanRead) {
  SetWindowName(window_, "txtUniqueProbeName");
  auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(window_, "TornavaneName")));
  char text[64] = {};
  ASSERT_NE(atom, 0);
  GlobalGetAtomNameA(atom, text, sizeof text);
  EXPECT_STREQ(text, "txtUniqueProbeName");
  EXPECT_EQ(WindowName(window_), "txtUniqueProbeName");
}

TEST_F(WindowNameTest, RenamingAndRemovingReleaseTheAtoms) {
  SetWindowName(window_, "txtFirstProbeName");
  SetWindowName(window_, "txtSecondProbeName");
  EXPECT_EQ(GlobalFindAtomA("txtFirstProbeName"), 0);
  EXPECT_EQ(WindowName(window_), "txtSecondProbeName");
  RemoveWindowName(window_);
  EXPECT_EQ(GlobalFindAtomA("txtSecondProbeName"), 0);
  EXPECT_EQ(WindowName(window_), "");
  EXPECT_EQ(GetPropA(window_, "TornavaneName"), nullptr);
}

}  // namespace
}  // namespace ui::win32
