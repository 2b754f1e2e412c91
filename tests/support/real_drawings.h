#pragma once

#include <gtest/gtest.h>

#include <string>

// The real drawings some tests read where they lie, never copied into the repository. The
// folder is TORNAVANE_DWG_DIR when set, else ../shared/dwg beside the repository. A clone
// without it skips those tests; the made-up drawings (support/made_up_drawing.h) cover the
// same readers everywhere.
namespace test {

std::string RealDrawingFolder();
bool HaveRealDrawings();
// The bytes of one real drawing; a failure of the test when it cannot be read.
std::string RealDrawingBytes(const std::string& name);

}  // namespace test

// Skips the test, with one line saying why, when the real drawings are not there.
#define TV_SKIP_WITHOUT_REAL_DRAWINGS()                                                              \
  do {                                                                                               \
    if (!test::HaveRealDrawings()) {                                                                 \
      GTEST_SKIP() << "no real drawings in " << test::RealDrawingFolder() << " (TORNAVANE_DWG_DIR)"; \
    }                                                                                                \
  } while (false)
