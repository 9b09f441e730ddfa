// TSetupSupporter: carries the product's identity and, at the application's first idle
// moment, builds the parts of the interface that are made from it.
#pragma once

#include "Component.h"
#include "Events.h"

class TForm;

class TSetupSupporter : public TComponent {
  Q_OBJECT
  Q_PROPERTY(QString CompanyName READ CompanyName WRITE SetCompanyName)
  Q_PROPERTY(QString CardNameA READ CardNameA WRITE SetCardNameA)
  Q_PROPERTY(QString CardNameB READ CardNameB WRITE SetCardNameB)
  Q_PROPERTY(bool UseCardNameB READ UseCardNameB WRITE SetUseCardNameB)
  Q_PROPERTY(QString CallHow READ CallHow WRITE SetCallHow)
  Q_PROPERTY(bool MultiPort READ MultiPort WRITE SetMultiPort)
  Q_PROPERTY(int Channels READ Channels WRITE SetChannels)
  Q_PROPERTY(bool ChangeButtons READ ChangeButtons WRITE SetChangeButtons)
  Q_PROPERTY(bool bSeries READ bSeries WRITE SetbSeries)
  Q_PROPERTY(TNotifyEvent OnBeginCalib READ OnBeginCalib WRITE SetOnBeginCalib)
  Q_PROPERTY(TNotifyEvent OnStopButtonClick READ OnStopButtonClick WRITE SetOnStopButtonClick)
  Q_PROPERTY(TNotifyEvent OnStartButtonClick READ OnStartButtonClick WRITE SetOnStartButtonClick)
 public:
  explicit TSetupSupporter(TComponent* AOwner);

  const QString& CompanyName() const { return FCompanyName; }
  void SetCompanyName(const QString& value) { FCompanyName = value; }
  const QString& CardNameA() const { return FCardNameA; }
  void SetCardNameA(const QString& value) { FCardNameA = value; }
  const QString& CardNameB() const { return FCardNameB; }
  void SetCardNameB(const QString& value) { FCardNameB = value; }
  bool UseCardNameB() const { return FUseCardNameB; }
  void SetUseCardNameB(bool value) { FUseCardNameB = value; }
  const QString& CallHow() const { return FCallHow; }
  void SetCallHow(const QString& value) { FCallHow = value; }
  bool MultiPort() const { return FMultiPort; }
  void SetMultiPort(bool value) { FMultiPort = value; }
  // A byte: the number of channels read per calibration pass.
  int Channels() const { return FChannels; }
  void SetChannels(int value);
  bool ChangeButtons() const { return FChangeButtons; }
  void SetChangeButtons(bool value) { FChangeButtons = value; }
  bool bSeries() const { return FbSeries; }
  void SetbSeries(bool value) { FbSeries = value; }
  TNotifyEvent OnBeginCalib() const { return FOnBeginCalib; }
  void SetOnBeginCalib(const TNotifyEvent& value) { FOnBeginCalib = value; }
  TNotifyEvent OnStopButtonClick() const { return FOnStopButtonClick; }
  void SetOnStopButtonClick(const TNotifyEvent& value) { FOnStopButtonClick = value; }
  TNotifyEvent OnStartButtonClick() const { return FOnStartButtonClick; }
  void SetOnStartButtonClick(const TNotifyEvent& value) { FOnStartButtonClick = value; }

  // The card name and series suffix used in captions and texts.
  QString CardName() const { return FUseCardNameB ? FCardNameB : FCardNameA; }
  QString SeriesSuffix() const { return FbSeries ? QStringLiteral(" Series") : QString(); }

  // The application's idle handler: unhooks itself, then builds the windows once.
  void AppIdle(TObject* Sender, bool& Done);
  // Builds the supporter's windows; they do not exist before the first idle moment.
  virtual void BuildWindows();
  bool WindowsBuilt() const { return FWindowsBuilt; }

  TForm* HelpForm = nullptr;
  TForm* TechForm = nullptr;
  TForm* PCIForm = nullptr;

 private:
  QString FCompanyName;
  QString FCardNameA;
  QString FCardNameB;
  bool FUseCardNameB = false;
  QString FCallHow;
  bool FMultiPort = false;
  int FChannels = 8;
  bool FChangeButtons = true;
  bool FbSeries = true;
  TNotifyEvent FOnBeginCalib;
  TNotifyEvent FOnStopButtonClick;
  TNotifyEvent FOnStartButtonClick;
  bool FWindowsBuilt = false;
};
