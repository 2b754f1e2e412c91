#include "ui/dwg_thumbnail.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/error.h"
#include "support/app_fixture.h"
#include "support/made_up_drawing.h"
#include "ui/form.h"

namespace {

class frmThumb : public ui::Form {
 public:
  explicit frmThumb(ui::Context& ctx) : Form(ctx, "frmThumb") {}
  ui::DwgThumbnail DwgThumbnail1{this, "DwgThumbnail1"};
};

class DwgThumbnailTest : public test::AppFixture {
 protected:
  DwgThumbnailTest() {
    fileSystem.AddFolder("C:\\Jobs");
    fileSystem.AddFile("C:\\Jobs\\plan.dwg", test::MadeUpDrawing("AC1027", {{test::kHeaderEntry, "header"},
                                                                            {test::kPngEntry, test::TinyPng()}}));
    fileSystem.AddFile("C:\\Jobs\\notes.txt", "not a drawing\r\n");
    fileSystem.AddFile("C:\\Jobs\\old.dwg", "AC1009 and the rest of an R11 drawing");
  }

  int ErrorOf(const std::string& path) {
    try {
      form.DwgThumbnail1.SetPath(path);
      return 0;
    } catch (const runtime::Error& e) {
      return e.Number();
    }
  }

  frmThumb form{ctx};
};

// The control reads through the file system; a failure keeps what it showed.
TEST_F(DwgThumbnailTest, ShowsTheStoredImageAndKeepsItOnAFailure) {
  form.DwgThumbnail1.SetPath("C:\\Jobs\\plan.dwg");
  EXPECT_EQ(form.DwgThumbnail1.Image().kind, ui::PreviewKind::kPng);
  EXPECT_EQ(form.DwgThumbnail1.Image().width, 3);

  const struct {
    const char* path;
    int error;
  } failures[] = {
      {"C:\\Jobs\\notes.txt", 321},
      {"C:\\Jobs\\missing.dwg", 75},
      {"C:\\Missing\\plan.dwg", 75},
      {"C:\\Jobs", 75},
  };
  for (const auto& f : failures) {
    EXPECT_EQ(ErrorOf(f.path), f.error) << f.path;
    EXPECT_EQ(form.DwgThumbnail1.Path(), "C:\\Jobs\\plan.dwg") << f.path;
    EXPECT_EQ(form.DwgThumbnail1.Image().kind, ui::PreviewKind::kPng) << f.path;
  }

  form.DwgThumbnail1.SetPath("C:\\Jobs\\old.dwg");
  EXPECT_EQ(form.DwgThumbnail1.Image().kind, ui::PreviewKind::kNone);
  form.DwgThumbnail1.SetPath("C:\\Jobs\\plan.dwg");
  form.DwgThumbnail1.SetPath("");
  EXPECT_EQ(form.DwgThumbnail1.Image().kind, ui::PreviewKind::kNone);
  EXPECT_TRUE(form.DwgThumbnail1.Image().bytes.empty());
}

// A drawing open without sharing elsewhere cannot be read: 75.
TEST_F(DwgThumbnailTest, ADrawingHeldOpenIs75) {
  auto held = fileSystem.HoldOpen("C:\\Jobs\\plan.dwg");
  EXPECT_EQ(ErrorOf("C:\\Jobs\\plan.dwg"), 75);
}

TEST(FitInside, KeepsProportionsAndCentres) {
  const struct {
    int width, height;
    ui::Rect box, fit;
  } cases[] = {
      {256, 102, {0, 0, 512, 512}, {0, 154, 512, 204}}, {102, 256, {10, 20, 512, 512}, {164, 20, 204, 512}},
      {100, 100, {0, 0, 50, 30}, {10, 0, 30, 30}},      {0, 100, {5, 6, 50, 30}, {5, 6, 0, 0}},
      {100, 100, {5, 6, 0, 30}, {5, 6, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(ui::FitInside(c.width, c.height, c.box), c.fit) << c.width << "x" << c.height;
}

}  // namespace
