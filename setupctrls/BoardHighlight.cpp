#include "BoardHighlight.h"

#include "RadioPanel.h"

TBoardHighlight::TBoardHighlight(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 65, 65);
  FCreatePopup = true;
  FHighlightType = htSettings;
}

void TBoardHighlight::SetHighlightType(THighlightType value) {
  if (value == FHighlightType) return;
  FHighlightType = value;
  Invalidate();
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* value) { FRadioPanel = value; }

void TBoardHighlight::SetTitle(const QString& value) { FTitle = value; }
