#pragma once

#include "app/app.h"
#include "support/app_fixture.h"

namespace test {

// AppFixture with the program object: the program's windows over the fakes and the
// headless back end.
class ProgramFixture : public AppFixture {
 protected:
  app::App app{ctx};
};

}  // namespace test
