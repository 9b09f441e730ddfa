// TBoardImage: the board photograph. A windowed container whose children are the
// highlights, drawn over the picture in the picture's pixels. It sizes itself to its
// picture, centres itself on its parent at every paint, remembers where it stood before
// the first centring, and starts the guided tour on WM_STARTTOUR.
#pragma once

#include "ExtCtrls.h"
#include "GuideTypes.h"
#include "Menus.h"

class TBoardHighlight;
Q_MOC_INCLUDE("BoardHighlight.h")

class TBoardImage : public TCustomPanel {
  Q_OBJECT
  Q_PROPERTY(TBoardHighlight* First READ First WRITE SetFirst)
  Q_PROPERTY(TMainMenu* Menu READ Menu WRITE SetMenu)
  Q_PROPERTY(bool CenterOnForm READ CenterOnForm WRITE SetCenterOnForm)
  Q_PROPERTY(bool Scale READ Scale WRITE SetScale)
  Q_PROPERTY(bool Center READ Center WRITE SetCenter)
  Q_PROPERTY(TPicture* Picture READ Picture WRITE SetPicture)
  Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  // Not published by the board image: its own painting replaces colour, caption and font.
  Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor DESIGNABLE false)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption DESIGNABLE false)
  Q_PROPERTY(TFont* Font READ Font DESIGNABLE false)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont DESIGNABLE false)
 public:
  explicit TBoardImage(TComponent* AOwner);
  ~TBoardImage() override;

  TPicture* Picture() const { return FPicture.get(); }
  // Copies the given picture into the owned one.
  void SetPicture(TPicture* value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool Scale() const { return FScale; }
  void SetScale(bool value);
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* value) { FMenu = value; }
  bool CenterOnForm() const { return FCenterOnForm; }
  void SetCenterOnForm(bool value) { FCenterOnForm = value; }
  TBoardHighlight* First() const { return FFirst; }
  void SetFirst(TBoardHighlight* value) { FFirst = value; }

  int InitialLeft() const { return FInitialLeft; }
  int InitialTop() const { return FInitialTop; }
  bool InitialPosRecorded() const { return FInitialPosRecorded; }
  double AspectRatio() const { return FAspectRatio; }
  bool Painting() const { return FPainting; }

  // The rectangle the picture is drawn into.
  TRect PictureRect() const;
  quintptr GetPalette() const;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void HandlePictureChange();
  bool NotifyPaletteChange();
  void WMStartTour(TMessage& message);

 private:
  std::unique_ptr<TPicture> FPicture;
  bool FStretch = false;
  bool FCenter = false;
  bool FTransparent = false;
  bool FPainting = false;
  double FAspectRatio = 1.0;
  bool FScale = true;
  TMainMenu* FMenu = nullptr;
  bool FCenterOnForm = true;
  bool FInitialPosRecorded = false;
  TBoardHighlight* FFirst = nullptr;
  int FInitialLeft = 0;
  int FInitialTop = 0;
};
