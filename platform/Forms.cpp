#include "Forms.h"

#include "Guard.h"
#include "Jpeg.h"
#include "Reader.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

// ---- TFormFrame

TFormFrame::TFormFrame(TForm* form) : FForm(form) {}

void TFormFrame::closeEvent(QCloseEvent* event) {
  // The form decides what closing means (hide, or end the program).
  event->ignore();
  if (FForm) Guarded([this] { FForm->Close(); });
}

void TFormFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (!FForm) return;
  if (event->type() == QEvent::ActivationChange) {
    Guarded([this] { FForm->FrameActivationChanged(); });
  } else if (event->type() == QEvent::WindowStateChange) {
    FForm->FrameStateChanged();
  }
}

void TFormFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (FForm) Guarded([this] { FForm->FrameGeometryChanged(); });
}

void TFormFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (FForm) Guarded([this] { FForm->FrameGeometryChanged(); });
}

// ---- TForm

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  FFrame = new TFormFrame(this);  // owned by the form; deleted in the destructor
  FFrame->setCentralWidget(NativeWindow());
  NativeWindow()->show();
  SetVisible(false);  // a form appears when it is shown
  SetParentFont(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  ApplyWindowFlags();
  if (Screen) Screen->FForms.push_back(this);
}

TForm::~TForm() {
  MarkDestroying();
  if (FOnDestroy) Guarded([this] { FOnDestroy(this); });
  if (Screen) std::erase(Screen->FForms, this);
  if (FFrame) {
    FFrame->Detach();
    FFrame->hide();
  }
  // Child controls first, while their windows still have a parent to leave.
  while (ControlCount() > 0) delete Controls(ControlCount() - 1);
  if (NativeWindow()) NativeWindow()->Detach();
  delete FFrame.data();
}

void TForm::ReadDescription(const QString& path) { ReadComponentDescriptionFile(this, path); }

void TForm::AfterConstruction() {
  if (FOnCreate) FOnCreate(this);
}

void TForm::AttachWindow() {
  // A form keeps its window in its own frame.
}

int TForm::ClientWidth() const {
  if (!FFrame) return Width();
  if (FFrame->isVisible()) return NativeWindow()->width();
  return FFrame->geometry().width();
}

int TForm::ClientHeight() const {
  if (!FFrame) return Height();
  if (FFrame->isVisible()) return NativeWindow()->height();
  const int menuHeight = FFrame->menuWidget() ? FFrame->menuWidget()->sizeHint().height() : 0;
  return FFrame->geometry().height() - menuHeight;
}

void TForm::SetClientWidth(int value) { SetWidth(Width() - ClientWidth() + value); }

void TForm::SetClientHeight(int value) { SetHeight(Height() - ClientHeight() + value); }

TPoint TForm::ClientOrigin() const {
  if (!NativeWindow()) return {Left(), Top()};
  const QPoint origin = NativeWindow()->mapToGlobal(QPoint(0, 0));
  return {origin.x(), origin.y()};
}

void TForm::SetMenu(TMainMenu* value) {
  if (value == FMenu) return;
  FMenu = value;
  if (!FFrame) return;
  // The frame owns its menu bar and deletes the one it replaces.
  FFrame->setMenuBar(value ? value->CreateMenuBar() : nullptr);
}

void TForm::SetWindowState(TWindowState value) {
  if (value == FWindowState) return;
  FWindowState = value;
  if (!FFrame || !FFrame->isVisible()) return;
  switch (value) {
    case wsMaximized: FFrame->showMaximized(); break;
    case wsMinimized: FFrame->showMinimized(); break;
    default: FFrame->showNormal(); break;
  }
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle value) {
  if (value == FFormStyle) return;
  FFormStyle = value;
  ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
  if (!FFrame) return;
  Qt::WindowFlags flags = Qt::Window;
  switch (FBorderStyle) {
    case bsNone: flags |= Qt::FramelessWindowHint; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool; break;
    case bsDialog: flags = Qt::Dialog; break;
    default: break;
  }
  if (FFormStyle == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
  const bool visible = FFrame->isVisible();
  FFrame->setWindowFlags(flags);
  if (visible) FFrame->show();
}

void TForm::BoundsChanged(const TRect& oldBounds) {
  if (FSyncingFromFrame || !FFrame) return;
  const int oldClientWidth = ClientWidth();
  const int oldClientHeight = ClientHeight();
  int ml = 0, mt = 0, mr = 0, mb = 0;
  if (FFrame->isVisible()) {
    const QRect inner = FFrame->geometry();
    const QRect outer = FFrame->frameGeometry();
    ml = inner.left() - outer.left();
    mt = inner.top() - outer.top();
    mr = outer.right() - inner.right();
    mb = outer.bottom() - inner.bottom();
  }
  FFrame->setGeometry(Left() + ml, Top() + mt, std::max(1, Width() - ml - mr),
                      std::max(1, Height() - mt - mb));
  if (oldBounds.Width() != Width() || oldBounds.Height() != Height()) {
    AlignControls(oldClientWidth, oldClientHeight);
  }
}

void TForm::FrameGeometryChanged() {
  if (!FFrame || !FFrame->isVisible()) return;
  const QRect outer = FFrame->frameGeometry();
  FSyncingFromFrame = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FSyncingFromFrame};
  SetBounds(outer.left(), outer.top(), outer.width(), outer.height());
}

void TForm::WindowResized() {
  AlignControls(FLastClientWidth, FLastClientHeight);
  FLastClientWidth = ClientWidth();
  FLastClientHeight = ClientHeight();
}

void TForm::FrameStateChanged() {
  const Qt::WindowStates state = FFrame->windowState();
  if (state & Qt::WindowMinimized) {
    FWindowState = wsMinimized;
  } else if (state & Qt::WindowMaximized) {
    FWindowState = wsMaximized;
  } else {
    FWindowState = wsNormal;
  }
}

void TForm::FrameActivationChanged() {
  const bool active = FFrame && FFrame->isActiveWindow();
  if (active == FActive) return;
  FActive = active;
  Perform(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
}

void TForm::WndProc(TMessage& message) {
  if (message.Msg == WM_ACTIVATE) {
    if (message.WParam == WA_INACTIVE) {
      Deactivate();
    } else {
      Activate();
    }
    return;
  }
  TWinControl::WndProc(message);
}

void TForm::Activate() {
  if (FOnActivate) FOnActivate(this);
}

void TForm::Deactivate() {
  if (FOnDeactivate) FOnDeactivate(this);
}

bool TForm::Showing() const { return FFrame && FFrame->isVisible(); }

void TForm::ShowFrame() {
  if (!FFrame) return;
  if (!FShownOnce) {
    FShownOnce = true;
    const TRect work = Screen ? Screen->WorkAreaRect() : TRect{};
    if (Align() == alClient && Screen) {
      SetBounds(work.Left, work.Top, work.Width(), work.Height());
    } else if (FPosition == poScreenCenter || FPosition == poDesktopCenter) {
      SetBounds(work.Left + Halved(work.Width() - Width()), work.Top + Halved(work.Height() - Height()),
                Width(), Height());
    } else if ((FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) && Application &&
               Application->MainForm() && Application->MainForm() != this) {
      const TForm* main = Application->MainForm();
      SetBounds(main->Left() + Halved(main->Width() - Width()), main->Top() + Halved(main->Height() - Height()),
                Width(), Height());
    }
  }
  switch (FWindowState) {
    case wsMaximized: FFrame->showMaximized(); break;
    case wsMinimized: FFrame->showMinimized(); break;
    default: FFrame->show(); break;
  }
  if (OnShow()) OnShow()(this);
}

void TForm::VisibleChanged() {
  if (!FFrame) return;
  if (Visible()) {
    ShowFrame();
  } else {
    FFrame->hide();
    if (FOnHide) FOnHide(this);
  }
}

void TForm::FontChanged() {
  TWinControl::FontChanged();
  if (FFrame) FFrame->setFont(Font()->ToQFont());
}

void TForm::CaptionChanged() {
  if (FFrame) FFrame->setWindowTitle(Caption());
}

void TForm::Close() {
  const bool isMain = Application && Application->MainForm() == this;
  TCloseAction action = isMain ? caFree : caHide;
  if (FOnClose) FOnClose(this, action);
  if (action == caNone) return;
  if (isMain) {
    Application->Terminate();
  } else if (action == caMinimize) {
    SetWindowState(wsMinimized);
  } else {
    // Freeing a window while its own events run is unsafe; it is hidden here and
    // destroyed with its owner.
    Hide();
  }
}

// ---- message boxes

namespace {
TMessageBoxFunction& MessageBoxFunction() {
  static TMessageBoxFunction function = ShowQtMessageBox;
  return function;
}
}  // namespace

TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function) {
  TMessageBoxFunction old = MessageBoxFunction();
  MessageBoxFunction() = function ? std::move(function) : TMessageBoxFunction(ShowQtMessageBox);
  return old;
}

int ShowQtMessageBox(const QString& text, const QString& caption, int flags) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (flags & 0xF0) {
    case MB_ICONSTOP: icon = QMessageBox::Critical; break;
    case MB_ICONQUESTION: icon = QMessageBox::Question; break;
    case MB_ICONEXCLAMATION: icon = QMessageBox::Warning; break;
    case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
    default: break;
  }
  QMessageBox::StandardButtons buttons;
  switch (flags & 0xF) {
    case MB_OKCANCEL: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MB_ABORTRETRYIGNORE: buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore; break;
    case MB_YESNOCANCEL: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case MB_YESNO: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MB_RETRYCANCEL: buttons = QMessageBox::Retry | QMessageBox::Cancel; break;
    default: buttons = QMessageBox::Ok; break;
  }
  QMessageBox box(icon, caption, text, buttons);
  switch (box.exec()) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return (flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
  }
}

// ---- TApplication

QString ExceptionMessage(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
  } catch (...) {
    return QStringLiteral("An unknown error occurred");
  }
}

void ReportException(std::exception_ptr error) {
  try {
    if (Application) {
      Application->HandleException(error);
      return;
    }
  } catch (...) {
    // The report itself failed; fall back to standard error below.
  }
  std::fprintf(stderr, "%s\n", qPrintable(ExceptionMessage(error)));
}

TApplication::TApplication() : TComponent(nullptr), FTitle(QCoreApplication::applicationName()) {
  static TScreen screen;
  Screen = &screen;
  Application = this;
  RegisterStandardGraphics();
  QApplication::setQuitOnLastWindowClosed(false);
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { DoIdle(); });
  }
}

TApplication::~TApplication() {
  MarkDestroying();
  DestroyComponents();
  FMainForm = nullptr;
  if (Application == this) Application = nullptr;
}

void TApplication::Run() {
  if (!FMainForm || FTerminated) return;
  FMainForm->Show();
  if (!FTerminated) QApplication::exec();
}

void TApplication::Terminate() {
  FTerminated = true;
  QCoreApplication::quit();
}

void TApplication::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TApplication::DoIdle() {
  if (!FOnIdle) return;
  bool done = true;
  // A copy: the handler may replace or clear the event while it runs.
  const TIdleEvent handler = FOnIdle;
  Guarded([&] { handler(this, done); });
  if (!done) QTimer::singleShot(0, this, [] {});
}

int TApplication::MessageBox(const QString& text, const QString& caption, int flags) {
  const TMessageBoxFunction function = MessageBoxFunction();
  return function(text, caption, flags);
}

void TApplication::HandleException(std::exception_ptr error) { ShowException(ExceptionMessage(error)); }

void TApplication::ShowException(const QString& message) {
  QString text = message.trimmed();
  if (!text.isEmpty() && !text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
  MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

// ---- TScreen

int TScreen::Width() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

int TScreen::Height() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 0;
}

TRect TScreen::WorkAreaRect() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect r = screen->availableGeometry();
  return Bounds(r.x(), r.y(), r.width(), r.height());
}

TForm* TScreen::ActiveForm() const {
  for (TForm* form : FForms) {
    if (form->Frame() && form->Frame()->isActiveWindow()) return form;
  }
  return nullptr;
}
