// TRadioPanel: the content of a highlight's popup window. It sits hidden on the main
// window with the controls the popup shows, and carries the popup's explanatory text and
// layout values.
#pragma once

#include "ExtCtrls.h"
#include "GuideTypes.h"

#include <QStringList>

class TRadioPanel : public TCustomPanel {
  Q_OBJECT
  Q_PROPERTY(bool RadioEnabled READ RadioEnabled WRITE SetRadioEnabled)
  Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
  Q_PROPERTY(int MemoHeight READ MemoHeight WRITE SetMemoHeight)
  Q_PROPERTY(ui::TAnchors FinalAnchors READ FinalAnchors WRITE SetFinalAnchors)
  Q_PROPERTY(TRadioPanelChangeEvent OnRadioChange READ OnRadioChange WRITE SetOnRadioChange)
  Q_PROPERTY(TNotifyEvent OnActivate READ OnActivate WRITE SetOnActivate)
  Q_PROPERTY(TNotifyEvent OnDeactivate READ OnDeactivate WRITE SetOnDeactivate)
  Q_PROPERTY(ui::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
  Q_PROPERTY(ui::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_PROPERTY(ui::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(bool FullRepaint READ FullRepaint WRITE SetFullRepaint)
  // Not published: the caption stays empty, the font follows the parent and FinalAnchors
  // stands in for Anchors.
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption DESIGNABLE false)
  Q_PROPERTY(TFont* Font READ Font DESIGNABLE false)
  Q_PROPERTY(ui::TAnchors Anchors READ Anchors WRITE SetAnchors DESIGNABLE false)
 public:
  explicit TRadioPanel(TComponent* AOwner);

  bool RadioEnabled() const { return FRadioEnabled; }
  void SetRadioEnabled(bool value) { FRadioEnabled = value; }
  const QStringList& Lines() const { return FLines; }
  // Copies the given lines into the panel's own list.
  void SetLines(const QStringList& value) { FLines = value; }
  int MemoHeight() const { return FMemoHeight; }
  void SetMemoHeight(int value) { FMemoHeight = value; }
  TAnchors FinalAnchors() const { return FFinalAnchors; }
  void SetFinalAnchors(TAnchors value);
  bool FinalAnchorsApplied() const { return FFinalAnchorsApplied; }
  void SetFinalAnchorsApplied(bool value) { FFinalAnchorsApplied = value; }
  TRadioPanelChangeEvent OnRadioChange() const { return FOnRadioChange; }
  void SetOnRadioChange(const TRadioPanelChangeEvent& value) { FOnRadioChange = value; }
  TNotifyEvent OnActivate() const { return FOnActivate; }
  void SetOnActivate(const TNotifyEvent& value) { FOnActivate = value; }
  TNotifyEvent OnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(const TNotifyEvent& value) { FOnDeactivate = value; }

 private:
  bool FRadioEnabled = false;
  TRadioPanelChangeEvent FOnRadioChange;
  QStringList FLines;
  int FMemoHeight = 58;
  TNotifyEvent FOnActivate;
  TNotifyEvent FOnDeactivate;
  TAnchors FFinalAnchors = TAnchors(akLeft) | akTop;
  bool FFinalAnchorsApplied = false;
};
