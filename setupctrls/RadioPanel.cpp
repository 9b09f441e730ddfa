#include "RadioPanel.h"

TRadioPanel::TRadioPanel(TComponent* AOwner) : TCustomPanel(AOwner) {
  SetAnchors(TAnchors(akLeft) | akTop);
  SetBevelOuter(bvNone);
  SetHeight(100);
  SetWidth(194);
  SetVisible(false);
  // The caption is never taken from the component's name.
  SetControlStyle(ControlStyle() & ~csSetCaption);
}

void TRadioPanel::SetFinalAnchors(TAnchors value) {
  FFinalAnchors = value;
  if (FFinalAnchorsApplied) SetAnchors(value);
}
