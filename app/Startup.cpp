#include "Startup.h"

#include "Forms.h"
#include "SetupCtrls.h"
#include "template.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

namespace {
void LoadWindowIcon() {
  QFile file(QStringLiteral(":/assets/settings.ico"));
  if (!file.open(QIODevice::ReadOnly)) return;
  TIcon icon;
  try {
    icon.LoadFromBytes(file.readAll());
  } catch (const Exception&) {
    return;  // a window without its icon is still usable
  }
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.Image())));
}
}  // namespace

int RunSettings(const QString& descriptionPath) {
  TApplication application;
  application.SetTitle(QStringLiteral("Setup"));
  application.Initialize();
  RegisterSetupControls();
  LoadWindowIcon();
  try {
    application.CreateForm<TMainForm>(descriptionPath);
  } catch (...) {
    const QString message = ExceptionMessage(std::current_exception());
    std::fprintf(stderr, "Settings: the board description cannot be read: %s\n", qPrintable(message));
    std::fflush(stderr);
    application.MessageBox(QStringLiteral("The board description cannot be read.\n\n%1").arg(message),
                           QStringLiteral("Setup"), MB_OK | MB_ICONSTOP);
    return 1;
  }
  application.Run();
  return 0;
}
