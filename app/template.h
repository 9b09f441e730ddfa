// TMainForm: the main window, built entirely from the board description. Its own
// behaviour is a handful of published handlers that the description binds by name.
#pragma once

#include "Forms.h"
#include "Menus.h"
#include "SetupCtrls.h"
#include "StdCtrls.h"

class TMainForm : public TForm {
  Q_OBJECT
  // One field per component of the description, set by the reader by name.
  Q_PROPERTY(TBoardImage* BoardImage1 MEMBER BoardImage1 DESIGNABLE false)
  Q_PROPERTY(TBoardHighlight* PullHighlight MEMBER PullHighlight DESIGNABLE false)
  Q_PROPERTY(TBoardHighlight* USBHighlight MEMBER USBHighlight DESIGNABLE false)
  Q_PROPERTY(TBoardHighlight* DataHighlight0 MEMBER DataHighlight0 DESIGNABLE false)
  Q_PROPERTY(TBoardHighlight* DataHighlight1 MEMBER DataHighlight1 DESIGNABLE false)
  Q_PROPERTY(TBoardHighlight* DataHighlight MEMBER DataHighlight DESIGNABLE false)
  Q_PROPERTY(TBoardHighlight* LedHighlight MEMBER LedHighlight DESIGNABLE false)
  Q_PROPERTY(TRadioPanel* PullPanel MEMBER PullPanel DESIGNABLE false)
  Q_PROPERTY(TThreeJumper* PullJumper MEMBER PullJumper DESIGNABLE false)
  Q_PROPERTY(TLabel* Label13 MEMBER Label13 DESIGNABLE false)
  Q_PROPERTY(TLabel* Label14 MEMBER Label14 DESIGNABLE false)
  Q_PROPERTY(TLabel* Label4 MEMBER Label4 DESIGNABLE false)
  Q_PROPERTY(TRadioButton* PullUpRadio MEMBER PullUpRadio DESIGNABLE false)
  Q_PROPERTY(TRadioButton* PullDownRadio MEMBER PullDownRadio DESIGNABLE false)
  Q_PROPERTY(TRadioButton* PullNoRadio MEMBER PullNoRadio DESIGNABLE false)
  Q_PROPERTY(TRadioPanel* USBPanel MEMBER USBPanel DESIGNABLE false)
  Q_PROPERTY(TRadioPanel* DataPanel MEMBER DataPanel DESIGNABLE false)
  Q_PROPERTY(TRadioPanel* LEDPanel MEMBER LEDPanel DESIGNABLE false)
  Q_PROPERTY(TMainMenu* MainMenu1 MEMBER MainMenu1 DESIGNABLE false)
  Q_PROPERTY(TMenuItem* File1 MEMBER File1 DESIGNABLE false)
  Q_PROPERTY(TMenuItem* Exit2 MEMBER Exit2 DESIGNABLE false)
  Q_PROPERTY(TMenuItem* Help1 MEMBER Help1 DESIGNABLE false)
  Q_PROPERTY(TMenuItem* Howtousethisprogram1 MEMBER Howtousethisprogram1 DESIGNABLE false)
  Q_PROPERTY(TMenuItem* TechnicalSupport1 MEMBER TechnicalSupport1 DESIGNABLE false)
  Q_PROPERTY(TSetupSupporter* SetSup MEMBER SetSup DESIGNABLE false)
 public:
  static inline const QString DescriptionPath = QStringLiteral(":/assets/TMAINFORM");

  // Builds the window from the description at path; throws EReadError when it is damaged.
  explicit TMainForm(TComponent* AOwner, const QString& descriptionPath = DescriptionPath);

  TBoardImage* BoardImage1 = nullptr;
  TBoardHighlight* PullHighlight = nullptr;
  TBoardHighlight* USBHighlight = nullptr;
  TBoardHighlight* DataHighlight0 = nullptr;
  TBoardHighlight* DataHighlight1 = nullptr;
  TBoardHighlight* DataHighlight = nullptr;
  TBoardHighlight* LedHighlight = nullptr;
  TRadioPanel* PullPanel = nullptr;
  TThreeJumper* PullJumper = nullptr;
  TLabel* Label13 = nullptr;
  TLabel* Label14 = nullptr;
  TLabel* Label4 = nullptr;
  TRadioButton* PullUpRadio = nullptr;
  TRadioButton* PullDownRadio = nullptr;
  TRadioButton* PullNoRadio = nullptr;
  TRadioPanel* USBPanel = nullptr;
  TRadioPanel* DataPanel = nullptr;
  TRadioPanel* LEDPanel = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* Exit2 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* Howtousethisprogram1 = nullptr;
  TMenuItem* TechnicalSupport1 = nullptr;
  TSetupSupporter* SetSup = nullptr;

 public slots:
  void FormCreate(TObject* Sender);
  void Exit2Click(TObject* Sender);
  void Howtousethisprogram1Click(TObject* Sender);
  void TechnicalSupport1Click(TObject* Sender);
  void PullJumperClick(TObject* Sender);
  void PullRadioClick(TObject* Sender);
  void Closehelpdialog1Click(TObject* Sender);
  void DisplayClick(TObject* Sender);
};
