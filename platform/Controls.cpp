#include "Controls.h"

#include "Guard.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>

// ---- TSizeConstraints

void TSizeConstraints::Apply(int& width, int& height) const {
  if (FMaxWidth > 0) width = std::min(width, FMaxWidth);
  if (FMaxHeight > 0) height = std::min(height, FMaxHeight);
  width = std::max(width, FMinWidth);
  height = std::max(height, FMinHeight);
}

// ---- pointer tracking

namespace {
QPointer<TControl> gMouseControl;
}

TControl* MouseControl() { return gMouseControl.data(); }

void SetMouseControl(TControl* control) {
  if (control == gMouseControl) return;
  QPointer<TControl> old = gMouseControl;
  gMouseControl = control;
  if (old) Guarded([&] { old->Perform(CM_MOUSELEAVE, 0, 0); });
  // The leave handler may have moved the pointer's control on again.
  if (control && gMouseControl == control) Guarded([&] { control->Perform(CM_MOUSEENTER, 0, 0); });
}

// ---- TControl

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner),
      FConstraints(std::make_unique<TSizeConstraints>()),
      FFont(std::make_unique<TFont>()) {
  FFont->OnChange = [this] {
    if (!FSettingParentFont) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  MarkDestroying();
  if (gMouseControl == this) gMouseControl = nullptr;
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  auto* window = qobject_cast<TWinControl*>(parent);
  if (!window) {
    throw EComponentError(QStringLiteral("Control %1 cannot be placed on %2, which is no windowed control")
                              .arg(Name(), parent ? parent->Name() : QStringLiteral("nothing")));
  }
  SetParent(window);
}

void TControl::SetParent(TWinControl* value) {
  if (value == FParent) return;
  for (TWinControl* p = value; p; p = p->Parent()) {
    if (p == this) throw EComponentError(QStringLiteral("A control cannot have itself as its parent"));
  }
  if (FParent) FParent->RemoveControl(this);
  if (value) value->InsertControl(this);
  ParentFontChanged();
  ParentColorChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (FAutoSize) CanAutoSize(width, height);
  FConstraints->Apply(width, height);
  width = std::max(0, width);
  height = std::max(0, height);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const TRect old = BoundsRect();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  BoundsChanged(old);
}

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  // Sizing waits until the control sits in a window and is not being read.
  if (value && FParent && !IsLoading()) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::BoundsChanged(const TRect& oldBounds) {
  if (FParent && FParent->NativeWindow()) {
    QWidget* w = FParent->NativeWindow();
    w->update(oldBounds.Left, oldBounds.Top, oldBounds.Width(), oldBounds.Height());
    w->update(FLeft, FTop, FWidth, FHeight);
  }
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  const TPoint origin = FParent->ClientOrigin();
  return {origin.X + FLeft, origin.Y + FTop};
}

TPoint TControl::ScreenToClient(const TPoint& p) const {
  const TPoint origin = ClientOrigin();
  return {p.X - origin.X, p.Y - origin.Y};
}

TPoint TControl::ClientToScreen(const TPoint& p) const {
  const TPoint origin = ClientOrigin();
  return {p.X + origin.X, p.Y + origin.Y};
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  VisibleChanged();
}

void TControl::VisibleChanged() {
  if (FParent && FParent->NativeWindow()) {
    FParent->NativeWindow()->update(FLeft, FTop, FWidth, FHeight);
  }
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  EnabledChanged();
  Invalidate();
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  if (FParent && !IsLoading()) FParent->AlignControls(FParent->ClientWidth(), FParent->ClientHeight());
}

void TControl::SetAnchors(TAnchors value) { FAnchors = value; }

void TControl::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  FParentColor = false;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (FParentColor && FParent && FParent->Color() != FColor) {
    FColor = FParent->Color();
    ColorChanged();
  }
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FSettingParentFont = true;
  FFont->Assign(FParent->Font());
  FSettingParentFont = false;
}

void TControl::FontChanged() { Invalidate(); }

void TControl::SetCaption(const QString& value) {
  if (value == FCaption) return;
  FCaption = value;
  CaptionChanged();
}

void TControl::Invalidate() {
  if (FParent && FParent->NativeWindow()) FParent->NativeWindow()->update(FLeft, FTop, FWidth, FHeight);
}

void TControl::Repaint() {
  if (FParent && FParent->NativeWindow() && FParent->NativeWindow()->isVisible()) {
    FParent->NativeWindow()->repaint(FLeft, FTop, FWidth, FHeight);
  }
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  list.push_back(this);
  Invalidate();
}

void TControl::SendToBack() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  list.insert(list.begin(), this);
  FParent->RestackWindows();
  Invalidate();
}

TWinControl* TControl::TopLevelControl() const {
  const TControl* c = this;
  while (c->FParent) c = c->FParent;
  return qobject_cast<TWinControl*>(const_cast<TControl*>(c));
}

void TControl::Loaded() {
  TComponent::Loaded();
  ParentFontChanged();
  ParentColorChanged();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  const bool mouse = message.Msg >= WM_MOUSEMOVE && message.Msg <= WM_RBUTTONUP;
  if (mouse && !FEnabled) return;
  UINT msg = message.Msg;
  // Without double-click handling the second press of a double-click is a press.
  if (msg == WM_LBUTTONDBLCLK && !(FControlStyle & csDoubleClicks)) msg = WM_LBUTTONDOWN;
  const TPoint pos = PosFromParam(message.LParam);
  switch (msg) {
    case CM_MOUSEENTER: CMMouseEnter(message); break;
    case CM_MOUSELEAVE: CMMouseLeave(message); break;
    case WM_LBUTTONDOWN: HandleButtonDown(message, false); break;
    case WM_LBUTTONDBLCLK: HandleButtonDown(message, true); break;
    case WM_LBUTTONUP: HandleButtonUp(message); break;
    case WM_RBUTTONDOWN: MouseDown(mbRight, TShiftState(), pos.X, pos.Y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, TShiftState(), pos.X, pos.Y); break;
    case WM_MOUSEMOVE: MouseMove(TShiftState(), pos.X, pos.Y); break;
    default: break;
  }
}

void TControl::HandleButtonDown(TMessage& message, bool dblClick) {
  const TPoint pos = PosFromParam(message.LParam);
  if (dblClick) {
    if (FControlStyle & csClickEvents) DblClick();
    MouseDown(mbLeft, TShiftState(ssDouble) | ssLeft, pos.X, pos.Y);
  } else {
    if (FControlStyle & csClickEvents) FClicked = true;
    MouseDown(mbLeft, TShiftState(ssLeft), pos.X, pos.Y);
  }
}

void TControl::HandleButtonUp(TMessage& message) {
  const TPoint pos = PosFromParam(message.LParam);
  if (FClicked) {
    FClicked = false;
    if (PtInRect(ClientRect(), pos)) Click();
  }
  MouseUp(mbLeft, TShiftState(), pos.X, pos.Y);
}

void TControl::Click() {
  if (FOnClick) FOnClick(this);
}

void TControl::DblClick() {
  if (FOnDblClick) FOnDblClick(this);
}

void TControl::CMMouseEnter(TMessage&) {}
void TControl::CMMouseLeave(TMessage&) {}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (FOnMouseDown) FOnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (FOnMouseMove) FOnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (FOnMouseUp) FOnMouseUp(this, button, shift, x, y);
}

// ---- TWinControl

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FWindow = new TNativeWindow(this);  // owned by this control; deleted in the destructor
  FWindow->hide();
}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Child controls go with their parent, whoever owns them.
  while (!FControls.empty()) delete FControls.back();
  if (FParent) FParent->RemoveControl(this);
  if (FWindow) {
    FWindow->Detach();
    delete FWindow.data();
  }
}

int TWinControl::IndexOfControl(const TControl* control) const {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  return it == FControls.end() ? -1 : static_cast<int>(it - FControls.begin());
}

void TWinControl::InsertControl(TControl* control) {
  FControls.push_back(control);
  control->FParent = this;
  if (auto* win = qobject_cast<TWinControl*>(control)) {
    win->AttachWindow();
  } else {
    control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  control->Invalidate();
  FControls.erase(it);
  control->FParent = nullptr;
  if (auto* win = qobject_cast<TWinControl*>(control); win && !IsDestroying()) win->AttachWindow();
}

TControl* TWinControl::ControlAtPos(const TPoint& pos, bool allowDisabled,
                                    bool allowWinControls) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!allowWinControls && qobject_cast<TWinControl*>(c)) continue;
    if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    if (PtInRect(c->BoundsRect(), pos)) return c;
  }
  return nullptr;
}

HWND TWinControl::Handle() const { return FWindow.data(); }

QWidget* TWinControl::ClientWidget() const { return FWindow.data(); }

void TWinControl::AttachWindow() {
  if (!FWindow) return;
  QWidget* parentWidget = FParent ? FParent->ClientWidget() : nullptr;
  if (FWindow->parentWidget() != parentWidget) FWindow->setParent(parentWidget);
  FWindow->setGeometry(Left(), Top(), Width(), Height());
  FWindow->setVisible(Visible() && parentWidget);
  if (FParent) FParent->RestackWindows();
}

void TWinControl::RestackWindows() {
  for (TControl* c : FControls) {
    if (auto* win = qobject_cast<TWinControl*>(c); win && win->FWindow) win->FWindow->raise();
  }
}

void TWinControl::SetInner(QWidget* inner) {
  FInner = inner;
  inner->setParent(FWindow);
  inner->setGeometry(0, 0, Width(), Height());
  inner->setFont(Font()->ToQFont());
  inner->show();
}

void TWinControl::BoundsChanged(const TRect& oldBounds) {
  if (FWindow && FParent) FWindow->setGeometry(Left(), Top(), Width(), Height());
  if (FInner) FInner->setGeometry(0, 0, Width(), Height());
  if (oldBounds.Width() != Width() || oldBounds.Height() != Height()) {
    AlignControls(oldBounds.Width(), oldBounds.Height());
  }
}

void TWinControl::AlignControls(int oldClientWidth, int oldClientHeight) {
  if (IsLoading() || FControls.empty()) return;
  const int dw = ClientWidth() - oldClientWidth;
  const int dh = ClientHeight() - oldClientHeight;
  TRect free = ClientRect();
  for (TControl* c : FControls) {
    if (!c->Visible()) continue;
    int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
    switch (c->Align()) {
      case alTop: l = free.Left; t = free.Top; w = free.Width(); free.Top += h; break;
      case alBottom: l = free.Left; t = free.Bottom - h; w = free.Width(); free.Bottom -= h; break;
      case alLeft: l = free.Left; t = free.Top; h = free.Height(); free.Left += w; break;
      case alRight: l = free.Right - w; t = free.Top; h = free.Height(); free.Right -= w; break;
      case alClient: l = free.Left; t = free.Top; w = free.Width(); h = free.Height(); break;
      default: {
        const TAnchors a = c->Anchors();
        if (a.testFlag(akRight)) {
          if (a.testFlag(akLeft)) w += dw; else l += dw;
        } else if (!a.testFlag(akLeft)) {
          l += Halved(dw);
        }
        if (a.testFlag(akBottom)) {
          if (a.testFlag(akTop)) h += dh; else t += dh;
        } else if (!a.testFlag(akTop)) {
          t += Halved(dh);
        }
        break;
      }
    }
    c->SetBounds(l, t, w, h);
  }
}

void TWinControl::VisibleChanged() {
  if (FWindow) FWindow->setVisible(Visible() && FParent);
}

void TWinControl::EnabledChanged() {
  if (FWindow) FWindow->setEnabled(Enabled());
}

void TWinControl::ColorChanged() {
  Invalidate();
  for (TControl* c : FControls) c->ParentColorChanged();
}

void TWinControl::FontChanged() {
  const QFont font = Font()->ToQFont();
  if (FWindow) FWindow->setFont(font);
  if (FInner) FInner->setFont(font);
  Invalidate();
  for (TControl* c : FControls) c->ParentFontChanged();
}

void TWinControl::SetFocus() {
  if (FWindow) FWindow->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const { return FWindow && FWindow->hasFocus(); }

void TWinControl::Invalidate() {
  if (FWindow) FWindow->update();
}

void TWinControl::Repaint() {
  if (FWindow && FWindow->isVisible()) FWindow->repaint();
}

void TWinControl::BringToFront() {
  TControl::BringToFront();
  if (FWindow) FWindow->raise();
}

void TWinControl::PaintHandler(QPainter& painter, const QRect& area) {
  struct CanvasBinding {
    TCanvas& canvas;
    ~CanvasBinding() { canvas.SetPainter(nullptr); }
  } binding{FCanvas};
  FCanvas.SetPainter(&painter);
  FCanvas.Font.Assign(Font());
  if (!(ControlStyle() & csOpaque)) painter.fillRect(area, ColorToQColor(Color()));
  Paint();
  FCanvas.SetPainter(nullptr);
  for (TControl* c : FControls) {
    auto* graphic = qobject_cast<TGraphicControl*>(c);
    if (!graphic || !graphic->Visible()) continue;
    const QRect bounds(graphic->Left(), graphic->Top(), graphic->Width(), graphic->Height());
    if (!bounds.intersects(area)) continue;
    painter.save();
    painter.setClipRect(bounds, Qt::IntersectClip);
    painter.translate(bounds.topLeft());
    Guarded([&] { graphic->PaintTo(painter); });
    painter.restore();
  }
}

// ---- TNativeWindow

TNativeWindow::TNativeWindow(TWinControl* control, QWidget* parent)
    : QWidget(parent), FControl(control) {
  setMouseTracking(true);
  setAutoFillBackground(false);
}

TNativeWindow::~TNativeWindow() = default;

void TNativeWindow::DeliverMessage(TMessage& message) {
  if (FControl) FControl->WndProc(message);
}

bool TNativeWindow::event(QEvent* event) {
  if (event->type() == TPostedMessageEvent::EventType()) {
    Guarded([&] { DeliverPostedMessage(this, event); });
    return true;
  }
  return QWidget::event(event);
}

void TNativeWindow::paintEvent(QPaintEvent* event) {
  if (!FControl) return;
  QPainter painter(this);
  Guarded([&] { FControl->PaintHandler(painter, event->rect()); });
}

TControl* TNativeWindow::TargetAt(const QPoint& pos) const {
  if (!FControl) return nullptr;
  if (TControl* child = FControl->ControlAtPos({pos.x(), pos.y()}, false, false)) return child;
  return FControl;
}

void TNativeWindow::SendMouse(TControl* target, UINT msg, const QPoint& windowPos) {
  if (!target || !FControl) return;
  QPoint local = windowPos;
  if (target != FControl) local -= QPoint(target->Left(), target->Top());
  Guarded([&] { target->Perform(msg, 0, MakePosParam(local.x(), local.y())); });
}

void TNativeWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  TControl* target = TargetAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton) FCapture = target;
  SendMouse(target, event->button() == Qt::LeftButton ? WM_LBUTTONDOWN : WM_RBUTTONDOWN,
            event->position().toPoint());
}

void TNativeWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  TControl* target = TargetAt(event->position().toPoint());
  FCapture = target;
  SendMouse(target, WM_LBUTTONDBLCLK, event->position().toPoint());
}

void TNativeWindow::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    TControl* target = FCapture;
    FCapture = nullptr;
    SendMouse(target ? target : TargetAt(pos), WM_LBUTTONUP, pos);
  } else if (event->button() == Qt::RightButton) {
    SendMouse(TargetAt(pos), WM_RBUTTONUP, pos);
  }
}

void TNativeWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TControl* under = TargetAt(pos);
  SetMouseControl(under);
  SendMouse(FCapture ? FCapture.data() : under, WM_MOUSEMOVE, pos);
}

void TNativeWindow::enterEvent(QEnterEvent* event) { SetMouseControl(TargetAt(event->position().toPoint())); }

void TNativeWindow::resizeEvent(QResizeEvent*) {
  if (FControl) Guarded([this] { FControl->WindowResized(); });
}

void TNativeWindow::leaveEvent(QEvent*) {
  TControl* current = MouseControl();
  if (current && (current == FControl || current->Parent() == FControl)) SetMouseControl(nullptr);
}

// ---- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::PaintTo(QPainter& painter) {
  struct CanvasBinding {
    TCanvas& canvas;
    ~CanvasBinding() { canvas.SetPainter(nullptr); }
  } binding{FCanvas};
  FCanvas.SetPainter(&painter);
  FCanvas.Font.Assign(Font());
  Paint();
}
