#include "support/real_drawings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace test {

std::string RealDrawingFolder() {
  const char* set = std::getenv("TORNAVANE_DWG_DIR");
  if (set == nullptr || *set == '\0') return TV_DEFAULT_DWG_DIR;
  std::string folder = set;
  // A Linux path handed to a test under Wine names the Linux root's drive.
  if (folder.starts_with('/')) folder.insert(0, TV_HOST_ROOT_DRIVE);
  return folder;
}

bool HaveRealDrawings() {
  std::error_code error;
  return std::filesystem::is_directory(RealDrawingFolder(), error);
}

std::string RealDrawingBytes(const std::string& name) {
  const std::string path = RealDrawingFolder() + "/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "missing test drawing " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace test
