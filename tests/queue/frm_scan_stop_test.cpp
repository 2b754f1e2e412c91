#include "queue/frm_scan_stop.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"

namespace {

class ScanStopTest : public test::ProgramFixture {
 protected:
  mainwindow::frmMain& Main() { return app.frmMain(); }
};

TEST_F(ScanStopTest, StartsClearedAndReadyForProgress) {
  Main().settings.STOPSCAN = 1;

  queue::frmScanStop& stop = app.frmScanStop();

  EXPECT_EQ(Main().settings.STOPSCAN, 0);
  EXPECT_EQ(stop.Caption(), " Scanning...");
  EXPECT_EQ(stop.lblScanned.Caption(), "Preparing...");
  EXPECT_EQ(stop.cmdCancel.Caption(), "&Stop");
}

TEST_F(ScanStopTest, StopAsksTheRunningOperationToEndAndLetsEventsRun) {
  queue::frmScanStop& stop = app.frmScanStop();
  stop.Show();
  int pumpsBefore = backend.Pumps();

  user.Click(stop.cmdCancel);

  EXPECT_EQ(Main().settings.STOPSCAN, 1);
  EXPECT_EQ(backend.Pumps(), pumpsBefore + 1);
  EXPECT_TRUE(stop.Visible());
}

TEST_F(ScanStopTest, EscapePressesStop) {
  queue::frmScanStop& stop = app.frmScanStop();
  stop.Show();

  user.PressKey(stop.cmdCancel, ui::kKeyEscape);

  EXPECT_EQ(Main().settings.STOPSCAN, 1);
}

TEST_F(ScanStopTest, TheCloseBoxStopsAndKeepsTheWindowForItsOperation) {
  app.frmScanStop().Show();
  app.frmScanStop().lblScanned.SetCaption("5 files found");

  user.Close(app.frmScanStop());

  EXPECT_EQ(Main().settings.STOPSCAN, 1);
  EXPECT_TRUE(app.frmScanStop().Visible());
  EXPECT_EQ(app.frmScanStop().lblScanned.Caption(), "5 files found");
}

}  // namespace
