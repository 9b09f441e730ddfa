#include "SetupSupporter.h"

#include "Forms.h"

TSetupSupporter::TSetupSupporter(TComponent* AOwner) : TComponent(AOwner) {}

void TSetupSupporter::SetChannels(int value) {
  if (value < 0 || value > 255) {
    throw EComponentError(QStringLiteral("Channels must lie between 0 and 255, not %1").arg(value));
  }
  FChannels = value;
}

void TSetupSupporter::AppIdle(TObject* Sender, bool&) {
  // Runs exactly once: the first thing it does is take itself off the idle event.
  if (auto* app = qobject_cast<TApplication*>(Sender)) app->SetOnIdle(TIdleEvent());
  BuildWindows();
}

void TSetupSupporter::BuildWindows() { FWindowsBuilt = true; }
