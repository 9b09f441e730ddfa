// Panels: windowed containers that paint their background in Color, with optional bevels
// and a caption. TCustomPanel keeps its bevel properties unpublished; TPanel publishes them.
#pragma once

#include "Controls.h"

class TCustomPanel : public TWinControl {
  Q_OBJECT
  Q_PROPERTY(ui::TAlignment Alignment READ Alignment WRITE SetAlignment DESIGNABLE false)
  Q_PROPERTY(ui::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner DESIGNABLE false)
  Q_PROPERTY(ui::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter DESIGNABLE false)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth DESIGNABLE false)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth DESIGNABLE false)
  Q_PROPERTY(ui::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle DESIGNABLE false)
  Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE SetFullRepaint DESIGNABLE false)
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool value) { FFullRepaint = value; }

 protected:
  // Background is already cleared to Color: draws border, bevels and caption.
  void Paint() override;

 private:
  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
  Q_OBJECT
  Q_PROPERTY(ui::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(ui::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
  Q_PROPERTY(ui::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_PROPERTY(ui::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE SetFullRepaint)
 public:
  using TCustomPanel::TCustomPanel;
};

// Draws a 3D frame inside r and shrinks r by its width.
void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width);
