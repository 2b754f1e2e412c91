#include "app/app.h"

#include <gtest/gtest.h>

#include "support/program_fixture.h"

namespace {

using AppTest = test::ProgramFixture;

TEST_F(AppTest, ReachesTheServicesOfItsContext) {
  app.Services().fileSystem.MakeFolder("C:\\Jobs");
  EXPECT_TRUE(fileSystem.Exists("C:\\Jobs"));
  EXPECT_EQ(&app.Ctx(), &ctx);
}

}  // namespace
