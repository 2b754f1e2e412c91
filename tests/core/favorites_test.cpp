#include "core/favorites.h"

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "runtime/error.h"
#include "support/app_fixture.h"
#include "ui/form.h"

namespace {

const std::string kFile = "C:\\Program Files\\Tornavane\\DATA\\Favorites.dat";

// A window with a sorted list, as the favourites dialog has.
class ListForm : public ui::Form {
 public:
  explicit ListForm(ui::Context& ctx) : Form(ctx, "ListForm") { DirectoryList.SetSorted(true); }
  ui::ListBox DirectoryList{this, "DirectoryList"};
};

class FavoritesTest : public test::AppFixture {
 protected:
  std::vector<std::string> Entries() {
    std::vector<std::string> entries;
    for (int i = 0; i < form.DirectoryList.ListCount(); ++i) entries.push_back(form.DirectoryList.List(i));
    return entries;
  }
  ListForm form{ctx};
};

TEST_F(FavoritesTest, TheFileSitsInTheDataFolder) {
  EXPECT_EQ(core::FavoritesPath("C:\\Program Files\\Tornavane\\"), kFile);
}

TEST_F(FavoritesTest, WritesTheListInItsOrder) {
  form.DirectoryList.AddItem("D:\\Projects\\Bridge");
  form.DirectoryList.AddItem("C:\\Jobs");
  core::WriteFavorites(fileSystem, kFile, form.DirectoryList);
  EXPECT_EQ(fileSystem.Contents(kFile), "C:\\Jobs\r\nD:\\Projects\\Bridge\r\n");
}

TEST_F(FavoritesTest, ReadsEveryLineBlankOnesAndRepeatsIncluded) {
  form.DirectoryList.AddItem("C:\\Stale");
  fileSystem.AddFile(kFile, "D:\\B\r\nC:\\A\r\n\r\nC:\\A\r\n");
  core::ReadFavorites(fileSystem, kFile, form.DirectoryList);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"", "C:\\A", "C:\\A", "D:\\B"}));
}

TEST_F(FavoritesTest, AMissingFileGivesAnEmptyList) {
  form.DirectoryList.AddItem("C:\\Stale");
  core::ReadFavorites(fileSystem, kFile, form.DirectoryList);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(FavoritesTest, AFileThatCannotBeWrittenStaysAsItWas) {
  fileSystem.AddFile(kFile, "C:\\Old\r\n", platform::kAttrReadOnly);
  form.DirectoryList.AddItem("C:\\New");
  core::WriteFavorites(fileSystem, kFile, form.DirectoryList);
  EXPECT_EQ(fileSystem.Contents(kFile), "C:\\Old\r\n");
  EXPECT_FALSE(fileSystem.Exists(core::SafeWriteTempPath(kFile)));

  fileSystem.AddFile(kFile, "C:\\Old\r\n");
  fileSystem.FailNextWrite(runtime::kDiskFull);
  core::WriteFavorites(fileSystem, kFile, form.DirectoryList);
  EXPECT_EQ(fileSystem.Contents(kFile), "C:\\Old\r\n");
}

}  // namespace
