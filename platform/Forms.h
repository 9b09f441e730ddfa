// Forms (top-level windows), the application object and the screen.
// A form's Left/Top/Width/Height are its outer frame; ClientWidth/ClientHeight the area
// below the menu bar, where its controls live.
#pragma once

#include "Controls.h"
#include "Menus.h"

#include <QMainWindow>

#include <exception>
#include <functional>
#include <vector>

class TForm;

// The frame window of a form: a Qt main window whose central widget is the form's own
// window. It turns the window system's close, move, resize and activation into the
// form's behaviour.
class TFormFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFormFrame(TForm* form);
  void Detach() { FForm = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TForm* FForm;
};

class TForm : public TWinControl {
  Q_OBJECT
  Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth STORED false)
  Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight STORED false)
  Q_PROPERTY(TMainMenu* Menu READ Menu WRITE SetMenu)
  Q_PROPERTY(ui::TWindowState WindowState READ WindowState WRITE SetWindowState)
  Q_PROPERTY(ui::TPosition Position READ Position WRITE SetPosition)
  Q_PROPERTY(ui::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(ui::TFormStyle FormStyle READ FormStyle WRITE SetFormStyle)
  Q_PROPERTY(bool AutoScroll READ AutoScroll WRITE SetAutoScroll)
  Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
  Q_PROPERTY(bool Scaled READ Scaled WRITE SetScaled)
  Q_PROPERTY(bool OldCreateOrder READ OldCreateOrder WRITE SetOldCreateOrder)
  Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE SetPixelsPerInch)
  Q_PROPERTY(int TextHeight READ TextHeight WRITE SetTextHeight)
  Q_PROPERTY(TNotifyEvent OnCreate READ OnCreate WRITE SetOnCreate)
  Q_PROPERTY(TNotifyEvent OnDestroy READ OnDestroy WRITE SetOnDestroy)
  Q_PROPERTY(TNotifyEvent OnShow READ OnShow WRITE SetOnShow)
  Q_PROPERTY(TNotifyEvent OnHide READ OnHide WRITE SetOnHide)
  Q_PROPERTY(TNotifyEvent OnActivate READ OnActivate WRITE SetOnActivate)
  Q_PROPERTY(TNotifyEvent OnDeactivate READ OnDeactivate WRITE SetOnDeactivate)
  Q_PROPERTY(TCloseEvent OnClose READ OnClose WRITE SetOnClose)
 public:
  // A form without a description, built in code.
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // Fills the form from its board description (resource path or file) by the loading
  // rules; throws EReadError with the place of the fault.
  void ReadDescription(const QString& path);
  // Runs after construction: the form's OnCreate.
  virtual void AfterConstruction();

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  TPoint ClientOrigin() const override;

  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* value);
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle value);
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value) { FAutoScroll = value; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
  int TextHeight() const { return FTextHeight; }
  void SetTextHeight(int value) { FTextHeight = value; }

  TNotifyEvent OnCreate() const { return FOnCreate; }
  void SetOnCreate(const TNotifyEvent& value) { FOnCreate = value; }
  TNotifyEvent OnDestroy() const { return FOnDestroy; }
  void SetOnDestroy(const TNotifyEvent& value) { FOnDestroy = value; }
  TNotifyEvent OnShow() const { return FOnShow; }
  void SetOnShow(const TNotifyEvent& value) { FOnShow = value; }
  TNotifyEvent OnHide() const { return FOnHide; }
  void SetOnHide(const TNotifyEvent& value) { FOnHide = value; }
  TNotifyEvent OnActivate() const { return FOnActivate; }
  void SetOnActivate(const TNotifyEvent& value) { FOnActivate = value; }
  TNotifyEvent OnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(const TNotifyEvent& value) { FOnDeactivate = value; }
  TCloseEvent OnClose() const { return FOnClose; }
  void SetOnClose(const TCloseEvent& value) { FOnClose = value; }

  // Closes the form: OnClose decides; the main form's close ends the program,
  // another form is hidden.
  void Close();
  bool Showing() const override;
  bool Active() const { return FActive; }
  TFormFrame* Frame() const { return FFrame.data(); }

  void WndProc(TMessage& message) override;

 protected:
  void BoundsChanged(const TRect& oldBounds) override;
  void VisibleChanged() override;
  void FontChanged() override;
  void CaptionChanged() override;
  void AttachWindow() override;
  void WindowResized() override;
  virtual void Activate();
  virtual void Deactivate();

 private:
  friend class TFormFrame;
  void ApplyWindowFlags();
  void ShowFrame();
  void FrameGeometryChanged();
  void FrameStateChanged();
  void FrameActivationChanged();

  QPointer<TFormFrame> FFrame;
  TMainMenu* FMenu = nullptr;
  TWindowState FWindowState = wsNormal;
  TPosition FPosition = poDesigned;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TFormStyle FFormStyle = fsNormal;
  bool FAutoScroll = true;
  bool FKeyPreview = false;
  bool FScaled = true;
  bool FOldCreateOrder = false;
  int FPixelsPerInch = 96;
  int FTextHeight = 13;
  bool FShownOnce = false;
  int FLastClientWidth = 0;
  int FLastClientHeight = 0;
  bool FSyncingFromFrame = false;
  bool FActive = false;
  TNotifyEvent FOnCreate;
  TNotifyEvent FOnDestroy;
  TNotifyEvent FOnShow;
  TNotifyEvent FOnHide;
  TNotifyEvent FOnActivate;
  TNotifyEvent FOnDeactivate;
  TCloseEvent FOnClose;
};

// Message box flags and answers, with the window system's values.
constexpr int MB_OK = 0x0;
constexpr int MB_OKCANCEL = 0x1;
constexpr int MB_ABORTRETRYIGNORE = 0x2;
constexpr int MB_YESNOCANCEL = 0x3;
constexpr int MB_YESNO = 0x4;
constexpr int MB_RETRYCANCEL = 0x5;
constexpr int MB_ICONSTOP = 0x10;
constexpr int MB_ICONERROR = MB_ICONSTOP;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int MB_ICONEXCLAMATION = 0x30;
constexpr int MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr int MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a message box and returns the answer. Replaceable, so that tests answer boxes
// without a person.
using TMessageBoxFunction = std::function<int(const QString& text, const QString& caption, int flags)>;
TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function);
int ShowQtMessageBox(const QString& text, const QString& caption, int flags);

class TApplication : public TComponent {
  Q_OBJECT
 public:
  // Needs the QApplication to exist. Initialises the layer (graphic formats) and becomes
  // the global Application.
  TApplication();
  ~TApplication() override;

  void Initialize() {}
  // Creates a form owned by the application; the first form created becomes the main form
  // once its construction, OnCreate included, has finished.
  template <typename T, typename... Args>
  T* CreateForm(Args&&... args) {
    auto* form = new T(this, std::forward<Args>(args)...);  // owned by the application from here on
    try {
      form->AfterConstruction();
    } catch (...) {
      delete form;
      throw;
    }
    if (!FMainForm) FMainForm = form;
    return form;
  }
  TForm* MainForm() const { return FMainForm; }
  // Shows the main form as its WindowState says and runs the message loop until the main
  // form closes.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  void ProcessMessages();

  TIdleEvent OnIdle() const { return FOnIdle; }
  void SetOnIdle(const TIdleEvent& value) { FOnIdle = value; }
  // Raises OnIdle; the message loop calls it each time the queue has run empty.
  void DoIdle();

  int MessageBox(const QString& text, const QString& caption, int flags);
  // The standard report of an exception: a message box with its text.
  void HandleException(std::exception_ptr error);
  void ShowException(const QString& message);

  QString Title() const { return FTitle; }
  void SetTitle(const QString& value) { FTitle = value; }

 private:
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  TIdleEvent FOnIdle;
  QString FTitle;
};

extern TApplication* Application;

class TScreen {
 public:
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(index); }
  TForm* ActiveForm() const;

 private:
  friend class TForm;
  std::vector<TForm*> FForms;
};

extern TScreen* Screen;

// The text of an exception as the standard report shows it.
QString ExceptionMessage(std::exception_ptr error);
