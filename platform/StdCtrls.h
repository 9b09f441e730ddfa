// Standard controls: the static text label (windowless, painted by its parent), and the
// radio button and push button over Qt widgets.
#pragma once

#include "Controls.h"

class QAbstractButton;

class TLabel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(ui::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
 public:
  explicit TLabel(TComponent* AOwner);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  void SetAutoSize(bool value) override;

 protected:
  void Paint() override;
  void CaptionChanged() override;
  void FontChanged() override;
  void Loaded() override;

 private:
  void AdjustBounds();
  TAlignment FAlignment = taLeftJustify;
  bool FTransparent = false;
  bool FWordWrap = false;
};

// A Qt button inside a windowed control; clicks become the control's Click.
class TButtonControl : public TWinControl {
  Q_OBJECT
 public:
  explicit TButtonControl(TComponent* AOwner);

 protected:
  void CaptionChanged() override;
  void EnabledChanged() override;
  void SetButton(QAbstractButton* button);
  QAbstractButton* Button() const;
};

class TRadioButton : public TButtonControl {
  Q_OBJECT
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(ui::TAlignment Alignment READ Alignment WRITE SetAlignment)
 public:
  explicit TRadioButton(TComponent* AOwner);
  bool Checked() const { return FChecked; }
  // Checking unchecks the siblings and raises OnClick; checking a checked one does nothing.
  void SetChecked(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value) { FAlignment = value; }

 private:
  void UserClicked();
  void SyncButton();
  bool FChecked = false;
  TAlignment FAlignment = taRightJustify;
};

class TButton : public TButtonControl {
  Q_OBJECT
  Q_PROPERTY(bool Default READ Default WRITE SetDefault)
  Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
 public:
  explicit TButton(TComponent* AOwner);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }

 private:
  bool FDefault = false;
  bool FCancel = false;
};
