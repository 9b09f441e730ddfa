// TBoardHighlight: one region of interest on the board photograph, a child of the board
// image placed in the photograph's pixels. It carries the region's kind, title and the
// radio panel its popup shows.
#pragma once

#include "Controls.h"
#include "GuideTypes.h"

class TRadioPanel;
Q_MOC_INCLUDE("RadioPanel.h")

class TBoardHighlight : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(bool CreatePopup READ CreatePopup WRITE SetCreatePopup)
  Q_PROPERTY(guide::THighlightType HighlightType READ HighlightType WRITE SetHighlightType)
  Q_PROPERTY(TRadioPanel* RadioPanel READ RadioPanel WRITE SetRadioPanel)
  Q_PROPERTY(QString Title READ Title WRITE SetTitle)
  // Not published: the ring's look comes from the highlight type.
  Q_PROPERTY(int Color READ Color WRITE SetColor DESIGNABLE false)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor DESIGNABLE false)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption DESIGNABLE false)
  Q_PROPERTY(TFont* Font READ Font DESIGNABLE false)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont DESIGNABLE false)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize DESIGNABLE false)
 public:
  explicit TBoardHighlight(TComponent* AOwner);

  bool CreatePopup() const { return FCreatePopup; }
  void SetCreatePopup(bool value) { FCreatePopup = value; }
  THighlightType HighlightType() const { return FHighlightType; }
  void SetHighlightType(THighlightType value);
  TRadioPanel* RadioPanel() const { return FRadioPanel; }
  void SetRadioPanel(TRadioPanel* value);
  const QString& Title() const { return FTitle; }
  void SetTitle(const QString& value);

 private:
  THighlightType FHighlightType = htSettings;
  QString FTitle;
  bool FCreatePopup = true;
  TRadioPanel* FRadioPanel = nullptr;
};
