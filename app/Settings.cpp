// The settings guide: shows the board photograph and explains how to set its jumpers.
#include "Startup.h"
#include "template.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Settings"));
  return RunSettings(TMainForm::DescriptionPath);
}
