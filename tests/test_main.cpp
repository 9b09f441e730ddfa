// Component tests run on Qt's offscreen platform: real widgets and events, no display.
#include "Jpeg.h"
#include "SetupCtrls.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication qt(argc, argv);
  RegisterStandardGraphics();
  RegisterSetupControls();
  return RUN_ALL_TESTS();
}
