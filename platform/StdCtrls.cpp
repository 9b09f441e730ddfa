#include "StdCtrls.h"

#include "Guard.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>

// ---- TLabel

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() | csReplicatable);
  SetBounds(0, 0, 65, 17);
  SetAutoSize(true);
  SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  TGraphicControl::SetAutoSize(value);
  AdjustBounds();
}

void TLabel::CaptionChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!AutoSize() || IsLoading()) return;
  const QFontMetrics metrics(Font()->ToQFont());
  const QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
  const QRect r = FWordWrap ? metrics.boundingRect(QRect(0, 0, Width(), 10000), Qt::TextWordWrap, text)
                            : metrics.boundingRect(QRect(0, 0, 10000, 10000), 0, text);
  SetBounds(Left(), Top(), FWordWrap ? Width() : r.width(), r.height());
}

void TLabel::Paint() {
  QPainter* p = Canvas().Painter();
  if (!p) return;
  if (!FTransparent) p->fillRect(0, 0, Width(), Height(), ColorToQColor(Color()));
  p->setFont(Font()->ToQFont());
  p->setPen(ColorToQColor(Enabled() ? Font()->Color() : clGrayText));
  int flags = Qt::AlignTop | Qt::TextShowMnemonic;
  flags |= FAlignment == taRightJustify ? Qt::AlignRight : FAlignment == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
  if (FWordWrap) flags |= Qt::TextWordWrap;
  p->drawText(QRect(0, 0, Width(), Height()), flags, Caption());
}

// ---- TButtonControl

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TButtonControl::SetButton(QAbstractButton* button) {
  SetInner(button);
  button->setText(Caption());
}

QAbstractButton* TButtonControl::Button() const { return static_cast<QAbstractButton*>(Inner()); }

void TButtonControl::CaptionChanged() {
  if (Button()) Button()->setText(Caption());
}

void TButtonControl::EnabledChanged() {
  TWinControl::EnabledChanged();
  if (Button()) Button()->setEnabled(Enabled());
}

// ---- TRadioButton

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  auto* button = new QRadioButton;  // owned by the control's window (Qt parent)
  // The control keeps the exclusive state itself, so that it can tell a user's check
  // from a repeated click and raise OnClick exactly once.
  button->setAutoExclusive(false);
  SetButton(button);
  QObject::connect(button, &QAbstractButton::clicked, button, [this] { Guarded([this] { UserClicked(); }); });
  SetBounds(0, 0, 113, 17);
  SetTabStop(true);
}

void TRadioButton::SyncButton() {
  if (!Button()) return;
  const QSignalBlocker block(Button());
  Button()->setChecked(FChecked);
}

void TRadioButton::UserClicked() {
  SyncButton();
  if (!FChecked) SetChecked(true);
  SetFocus();
}

void TRadioButton::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  SyncButton();
  if (!value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = qobject_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!IsLoading()) Click();
}

// ---- TButton

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  auto* button = new QPushButton;  // owned by the control's window (Qt parent)
  SetButton(button);
  QObject::connect(button, &QAbstractButton::clicked, button, [this] { Guarded([this] { Click(); }); });
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::SetDefault(bool value) {
  FDefault = value;
  if (auto* button = qobject_cast<QPushButton*>(Button())) button->setDefault(value);
}
