// TThreeJumper: the picture of a three-pin jumper header; JumperState says where the
// cap sits and Orientation turns the picture in quarter turns.
#pragma once

#include "Controls.h"
#include "GuideTypes.h"

class TThreeJumper : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(guide::TJumperState JumperState READ JumperState WRITE SetJumperState)
  Q_PROPERTY(int BaseColor READ BaseColor WRITE SetBaseColor)
  Q_PROPERTY(int PinColor READ PinColor WRITE SetPinColor)
  Q_PROPERTY(int JumperColor READ JumperColor WRITE SetJumperColor)
  Q_PROPERTY(guide::TOrientationType Orientation READ Orientation WRITE SetOrientation)
  Q_PROPERTY(ui::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(bool AllowOpen READ AllowOpen WRITE SetAllowOpen)
  // Not published: the background comes from the parent.
  Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor DESIGNABLE false)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption DESIGNABLE false)
  Q_PROPERTY(TFont* Font READ Font DESIGNABLE false)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont DESIGNABLE false)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize DESIGNABLE false)
 public:
  explicit TThreeJumper(TComponent* AOwner);

  TJumperState JumperState() const { return FJumperState; }
  // Stores a different state unless it is jsOpen while AllowOpen is False; raises no click.
  void SetJumperState(TJumperState value);
  TColor BaseColor() const { return FBaseColor; }
  void SetBaseColor(TColor value);
  TColor PinColor() const { return FPinColor; }
  void SetPinColor(TColor value);
  TColor JumperColor() const { return FJumperColor; }
  void SetJumperColor(TColor value);
  TOrientationType Orientation() const { return FOrientation; }
  void SetOrientation(TOrientationType value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool AllowOpen() const { return FAllowOpen; }
  void SetAllowOpen(bool value);

 private:
  TOrientationType FOrientation = otUp;
  TJumperState FJumperState = jsOpen;
  bool FSizeSwapPending = false;
  TColor FBaseColor = clGray;
  TColor FJumperColor = clMaroon;
  TColor FPinColor = clYellow;
  TBorderStyle FBorderStyle = bsSingle;
  bool FAllowOpen = true;
};
