#include "ExtCtrls.h"

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                  csDoubleClicks | csReplicatable);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (value == FBevelInner) return;
  FBevelInner = value;
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (value == FBevelOuter) return;
  FBevelOuter = value;
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int value) {
  if (value == FBevelWidth) return;
  FBevelWidth = value;
  Invalidate();
}

void TCustomPanel::SetBorderWidth(int value) {
  if (value == FBorderWidth) return;
  FBorderWidth = value;
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  Invalidate();
}

void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
  QPainter* p = canvas.Painter();
  for (int i = 0; i < width && p; ++i) {
    const QColor top = ColorToQColor(topColor);
    const QColor bottom = ColorToQColor(bottomColor);
    p->fillRect(r.Left, r.Top, r.Width(), 1, top);
    p->fillRect(r.Left, r.Top, 1, r.Height(), top);
    p->fillRect(r.Left, r.Bottom - 1, r.Width(), 1, bottom);
    p->fillRect(r.Right - 1, r.Top, 1, r.Height(), bottom);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
}

void TCustomPanel::Paint() {
  TCanvas& canvas = Canvas();
  QPainter* p = canvas.Painter();
  if (!p) return;
  TRect r = ClientRect();
  p->fillRect(r.Left, r.Top, r.Width(), r.Height(), ColorToQColor(Color()));
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const TColor light = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor dark = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    if (cut == bvSpace) {
      r = Rect(r.Left + FBevelWidth, r.Top + FBevelWidth, r.Right - FBevelWidth, r.Bottom - FBevelWidth);
    } else {
      Frame3D(canvas, r, light, dark, FBevelWidth);
    }
  };
  if (FBorderStyle == bsSingle) Frame3D(canvas, r, clWindowFrame, clWindowFrame, 1);
  bevel(FBevelOuter);
  r = Rect(r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth, r.Bottom - FBorderWidth);
  bevel(FBevelInner);
  if (!Caption().isEmpty()) {
    p->save();
    p->setFont(Font()->ToQFont());
    p->setPen(ColorToQColor(Font()->Color()));
    const int align = FAlignment == taLeftJustify ? Qt::AlignLeft
                      : FAlignment == taRightJustify ? Qt::AlignRight
                                                     : Qt::AlignHCenter;
    p->drawText(QRect(r.Left, r.Top, r.Width(), r.Height()), align | Qt::AlignVCenter, Caption());
    p->restore();
  }
}
