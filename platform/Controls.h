// Controls: visual components with a parent, bounds and a window procedure.
// TWinControl owns a Qt widget as its window and holds its child controls in order
// (creation order is stacking order). TGraphicControl has no window: its parent paints
// it, in child order, after painting itself, and routes pointer input to it.
#pragma once

#include "Component.h"
#include "Events.h"
#include "Graphics.h"
#include "Messages.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class TWinControl;
class TNativeWindow;

class TSizeConstraints : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)
  Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
  Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
  Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)
 public:
  int MaxHeight() const { return FMaxHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MinHeight() const { return FMinHeight; }
  int MinWidth() const { return FMinWidth; }
  void SetMaxHeight(int value) { FMaxHeight = std::max(0, value); }
  void SetMaxWidth(int value) { FMaxWidth = std::max(0, value); }
  void SetMinHeight(int value) { FMinHeight = std::max(0, value); }
  void SetMinWidth(int value) { FMinWidth = std::max(0, value); }
  // Limits a proposed size; 0 means no limit.
  void Apply(int& width, int& height) const;

 private:
  int FMaxHeight = 0;
  int FMaxWidth = 0;
  int FMinHeight = 0;
  int FMinWidth = 0;
};

enum TControlStyleFlag {
  csAcceptsControls = 0x1,
  csCaptureMouse = 0x2,
  csClickEvents = 0x4,
  csSetCaption = 0x8,
  csOpaque = 0x10,
  csDoubleClicks = 0x20,
  csReplicatable = 0x40,
};

class TControl : public TComponent {
  Q_OBJECT
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_PROPERTY(int Top READ Top WRITE SetTop)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(ui::TAlign Align READ Align WRITE SetAlign)
  Q_PROPERTY(ui::TAnchors Anchors READ Anchors WRITE SetAnchors)
  Q_PROPERTY(TSizeConstraints* Constraints READ Constraints)
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
  Q_PROPERTY(TFont* Font READ Font)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
  Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(TNotifyEvent OnClick READ OnClick WRITE SetOnClick)
  Q_PROPERTY(TNotifyEvent OnDblClick READ OnDblClick WRITE SetOnDblClick)
  Q_PROPERTY(TMouseEvent OnMouseDown READ OnMouseDown WRITE SetOnMouseDown)
  Q_PROPERTY(TMouseMoveEvent OnMouseMove READ OnMouseMove WRITE SetOnMouseMove)
  Q_PROPERTY(TMouseEvent OnMouseUp READ OnMouseUp WRITE SetOnMouseUp)
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* value);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
  // With AutoSize on, CanAutoSize decides the size; the constraints limit it.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
  virtual int ClientWidth() const { return FWidth; }
  virtual int ClientHeight() const { return FHeight; }
  // This control's top-left corner in screen coordinates, and conversions.
  virtual TPoint ClientOrigin() const;
  TPoint ScreenToClient(const TPoint& p) const;
  TPoint ClientToScreen(const TPoint& p) const;

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and on every parent up to a shown window.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);
  TAlign Align() const { return FAlign; }
  virtual void SetAlign(TAlign value);
  TAnchors Anchors() const { return FAnchors; }
  virtual void SetAnchors(TAnchors value);
  TSizeConstraints* Constraints() const { return FConstraints.get(); }
  TColor Color() const { return FColor; }
  virtual void SetColor(TColor value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TFont* Font() const { return FFont.get(); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  const QString& Hint() const { return FHint; }
  void SetHint(const QString& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value) { FParentShowHint = value; }
  int Cursor() const { return FCursor; }
  void SetCursor(int value) { FCursor = value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool value);

  unsigned ControlStyle() const { return FControlStyle; }
  void SetControlStyle(unsigned value) { FControlStyle = value; }

  TNotifyEvent OnClick() const { return FOnClick; }
  void SetOnClick(const TNotifyEvent& value) { FOnClick = value; }
  TNotifyEvent OnDblClick() const { return FOnDblClick; }
  void SetOnDblClick(const TNotifyEvent& value) { FOnDblClick = value; }
  TMouseEvent OnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(const TMouseEvent& value) { FOnMouseDown = value; }
  TMouseMoveEvent OnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(const TMouseMoveEvent& value) { FOnMouseMove = value; }
  TMouseEvent OnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(const TMouseEvent& value) { FOnMouseUp = value; }

  // Schedules a repaint of the control's area.
  virtual void Invalidate();
  // Repaints the control's area at once.
  virtual void Repaint();
  void Update() { Repaint(); }
  // Moves the control to the end of its parent's child list: drawn above its siblings.
  virtual void BringToFront();
  void SendToBack();

  // Delivers a message to the control's window procedure and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);

  virtual void Click();
  virtual void DblClick();
  // The platform's mouse-enter and mouse-leave notifications (CM_MOUSEENTER/LEAVE).
  virtual void CMMouseEnter(TMessage& message);
  virtual void CMMouseLeave(TMessage& message);

  // The form this control sits on, or nullptr.
  TWinControl* TopLevelControl() const;

  void Loaded() override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  // Asked for the size that an auto-sized control wants; true lets the size stand.
  virtual bool CanAutoSize(int& newWidth, int& newHeight);
  // Applies the bounds to the window or schedules the parent's repaint.
  virtual void BoundsChanged(const TRect& oldBounds);
  virtual void VisibleChanged();
  virtual void EnabledChanged() {}
  virtual void ColorChanged() { Invalidate(); }
  virtual void FontChanged();
  virtual void CaptionChanged() { Invalidate(); }
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();

  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  bool FClicked = false;

 private:
  friend class TWinControl;
  void HandleButtonDown(TMessage& message, bool dblClick);
  void HandleButtonUp(TMessage& message);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = alNone;
  TAnchors FAnchors = TAnchors(akLeft) | akTop;
  std::unique_ptr<TSizeConstraints> FConstraints;
  TColor FColor = clWindow;
  bool FParentColor = false;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FSettingParentFont = false;
  QString FCaption;
  QString FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  int FCursor = 0;
  int FHelpContext = 0;
  bool FAutoSize = false;
  unsigned FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TNotifyEvent FOnClick;
  TNotifyEvent FOnDblClick;
  TMouseEvent FOnMouseDown;
  TMouseMoveEvent FOnMouseMove;
  TMouseEvent FOnMouseUp;
};

// Packs a client position into a mouse message's LParam, as the window system does.
inline LPARAM MakePosParam(int x, int y) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                             static_cast<std::uint32_t>(x & 0xFFFF));
}
inline TPoint PosFromParam(LPARAM lParam) {
  return {static_cast<std::int16_t>(lParam & 0xFFFF),
          static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

class TWinControl : public TControl {
  Q_OBJECT
  Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
  Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(index); }
  int IndexOfControl(const TControl* control) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The topmost visible child at a client position, or nullptr.
  TControl* ControlAtPos(const TPoint& pos, bool allowDisabled, bool allowWinControls) const;

  // The window: the widget whose messages reach this control's window procedure.
  HWND Handle() const;
  bool HandleAllocated() const { return FWindow != nullptr; }
  // The widget that child windows are placed in (the client area).
  virtual QWidget* ClientWidget() const;
  TNativeWindow* NativeWindow() const { return FWindow.data(); }

  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int value) { FTabOrder = value; }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }

  void SetFocus();
  bool Focused() const;

  void Invalidate() override;
  void Repaint() override;
  void BringToFront() override;

  // Paints the control and then its graphic children; called by the window's paint event.
  void PaintHandler(QPainter& painter, const QRect& area);
  // The canvas valid while the control paints.
  TCanvas& Canvas() { return FCanvas; }

 protected:
  // Paints the control's own surface (the background has been cleared unless opaque).
  virtual void Paint() {}
  void BoundsChanged(const TRect& oldBounds) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void ColorChanged() override;
  void FontChanged() override;
  // Places the window into its parent's client widget.
  virtual void AttachWindow();
  // The window's size changed from outside (the window system resized a form).
  virtual void WindowResized() {}
  // Lays out the children after this control's client area changed size.
  void AlignControls(int oldClientWidth, int oldClientHeight);
  // Stacks the child windows in child order.
  void RestackWindows();
  // The Qt widget that shows a standard control (button, radio button) over the whole
  // window; the window owns it as its Qt child.
  void SetInner(QWidget* inner);
  QWidget* Inner() const { return FInner.data(); }

 private:
  friend class TControl;
  friend class TNativeWindow;
  std::vector<TControl*> FControls;
  QPointer<TNativeWindow> FWindow;
  QPointer<QWidget> FInner;
  TCanvas FCanvas;
  int FTabOrder = -1;
  bool FTabStop = false;
};

// The Qt widget of a windowed control: paints it, turns Qt input into its messages,
// routes pointer input to graphic children and delivers sent and posted messages.
class TNativeWindow : public QWidget, public IMessageTarget {
  Q_OBJECT
 public:
  explicit TNativeWindow(TWinControl* control, QWidget* parent = nullptr);
  ~TNativeWindow() override;
  TWinControl* Control() const { return FControl; }
  void Detach() { FControl = nullptr; }
  void DeliverMessage(TMessage& message) override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TControl* TargetAt(const QPoint& pos) const;
  void SendMouse(TControl* target, UINT msg, const QPoint& windowPos);
  TWinControl* FControl;
  // The control that took the left button's press; it gets the moves and the release.
  QPointer<TControl> FCapture;
};

class TGraphicControl : public TControl {
  Q_OBJECT
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  // The canvas valid while the control paints: origin at the control, clipped to it.
  TCanvas& Canvas() { return FCanvas; }
  // Paints the control into a painter positioned at its origin.
  void PaintTo(QPainter& painter);

 protected:
  virtual void Paint() {}

 private:
  TCanvas FCanvas;
};

// The control currently under the pointer, as the mouse-enter and mouse-leave
// notifications have announced it; nullptr when the pointer is outside all controls.
TControl* MouseControl();
// Tells the layer which control is now under the pointer; sends the notifications.
void SetMouseControl(TControl* control);
