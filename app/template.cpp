#include "template.h"

TMainForm::TMainForm(TComponent* AOwner, const QString& descriptionPath) : TForm(AOwner) {
  ReadDescription(descriptionPath);
}

void TMainForm::FormCreate(TObject*) {
  if (!SetSup || !Application) return;
  TSetupSupporter* supporter = SetSup;
  Application->SetOnIdle(TIdleEvent([supporter](TObject* sender, bool& done) { supporter->AppIdle(sender, done); },
                                    supporter, QStringLiteral("AppIdle")));
}

void TMainForm::Exit2Click(TObject*) { Close(); }

// The supporter's windows exist from its first-idle build on; before that these do nothing.
void TMainForm::Howtousethisprogram1Click(TObject*) {
  if (SetSup && SetSup->HelpForm) SetSup->HelpForm->Show();
}

void TMainForm::TechnicalSupport1Click(TObject*) {
  if (SetSup && SetSup->TechForm) SetSup->TechForm->Show();
}

void TMainForm::PullJumperClick(TObject*) {
  switch (PullJumper->JumperState()) {
    case jsOpen: PullNoRadio->SetChecked(true); break;
    case jsLeft: PullUpRadio->SetChecked(true); break;
    case jsRight: PullDownRadio->SetChecked(true); break;
  }
}

void TMainForm::PullRadioClick(TObject*) {
  if (PullUpRadio->Checked()) {
    PullJumper->SetJumperState(jsLeft);
  } else if (PullDownRadio->Checked()) {
    PullJumper->SetJumperState(jsRight);
  } else {
    PullJumper->SetJumperState(jsOpen);
  }
}

void TMainForm::Closehelpdialog1Click(TObject*) {
  if (SetSup && SetSup->HelpForm) SetSup->HelpForm->Hide();
}

void TMainForm::DisplayClick(TObject*) {
  if (SetSup && SetSup->PCIForm) SetSup->PCIForm->Show();
}
