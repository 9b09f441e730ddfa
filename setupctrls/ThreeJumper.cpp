#include "ThreeJumper.h"

TThreeJumper::TThreeJumper(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 43, 18);
  SetControlStyle(ControlStyle() | csReplicatable);
}

void TThreeJumper::SetJumperState(TJumperState value) {
  if (value == FJumperState || (value == jsOpen && !FAllowOpen)) return;
  FJumperState = value;
  Invalidate();
}

void TThreeJumper::SetBaseColor(TColor value) {
  if (value == FBaseColor) return;
  FBaseColor = value;
  Invalidate();
}

void TThreeJumper::SetPinColor(TColor value) {
  if (value == FPinColor) return;
  FPinColor = value;
  Invalidate();
}

void TThreeJumper::SetJumperColor(TColor value) {
  if (value == FJumperColor) return;
  FJumperColor = value;
  Invalidate();
}

void TThreeJumper::SetOrientation(TOrientationType value) {
  if (value == FOrientation) return;
  const bool wasHorizontal = FOrientation == otUp || FOrientation == otDown;
  const bool isHorizontal = value == otUp || value == otDown;
  if (wasHorizontal != isHorizontal) FSizeSwapPending = true;
  FOrientation = value;
  Invalidate();
}

void TThreeJumper::SetBorderStyle(TBorderStyle value) {
  if (value > bsSingle) throw EComponentError(QStringLiteral("A jumper's border style is bsNone or bsSingle"));
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  Invalidate();
}

void TThreeJumper::SetAllowOpen(bool value) {
  if (value == FAllowOpen) return;
  FAllowOpen = value;
  if (!value && FJumperState == jsOpen) SetJumperState(jsLeft);
  Invalidate();
}
