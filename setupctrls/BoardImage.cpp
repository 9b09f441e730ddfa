#include "BoardImage.h"

#include "BoardHighlight.h"
#include "Forms.h"

#include <cmath>

TBoardImage::TBoardImage(TComponent* AOwner) : TCustomPanel(AOwner), FPicture(std::make_unique<TPicture>()) {
  SetControlStyle(ControlStyle() | csReplicatable);
  // Only the finished picture is shown: the change notification, not decoding progress.
  FPicture->OnChange = [this](TObject*) { HandlePictureChange(); };
  SetHeight(105);
  SetWidth(105);
  FAspectRatio = 1.0;
  SetAutoSize(true);
  FScale = true;
  FMenu = nullptr;
  FCenterOnForm = true;
  FInitialPosRecorded = false;
  SetStretch(false);
}

TBoardImage::~TBoardImage() {
  FPicture->OnChange = nullptr;
  FPicture.reset();
}

void TBoardImage::SetPicture(TPicture* value) { FPicture->Assign(value); }

void TBoardImage::SetStretch(bool value) {
  if (value == FStretch) return;
  FStretch = value;
  HandlePictureChange();
}

void TBoardImage::SetCenter(bool value) {
  if (value == FCenter) return;
  FCenter = value;
  HandlePictureChange();
}

void TBoardImage::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  HandlePictureChange();
}

void TBoardImage::SetScale(bool value) {
  if (value == FScale) return;
  FScale = value;
  HandlePictureChange();
}

TRect TBoardImage::PictureRect() const {
  if (FStretch) return ClientRect();
  const int pw = FPicture->Width();
  const int ph = FPicture->Height();
  if (FCenter) return Bounds(Halved(Width() - pw), Halved(Height() - ph), pw, ph);
  return Bounds(0, 0, pw, ph);
}

quintptr TBoardImage::GetPalette() const {
  return FPicture->Graphic() ? FPicture->Graphic()->Palette() : 0;
}

void TBoardImage::Paint() {
  if (!FInitialPosRecorded) {
    FInitialLeft = Left();
    FInitialTop = Top();
    FInitialPosRecorded = true;
  }
  // The parent's full size: for a form, its outer frame, not its client area.
  if (FCenterOnForm && !IsDesigning() && Parent()) {
    SetLeft(Halved(Parent()->Width() - Width()));
    SetTop(Halved(Parent()->Height() - Height()));
  }
  if (IsDesigning()) {
    if (FScale) SetHeight(static_cast<int>(std::nearbyint(Width() * FAspectRatio)));
    TCanvas& canvas = Canvas();
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    canvas.Pen.Style = psDash;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(0, 0, Width(), Height());
    canvas.Pen = pen;
    canvas.Brush = brush;
  }
  const bool wasPainting = FPainting;
  struct Restore {
    bool& flag;
    bool value;
    ~Restore() { flag = value; }
  } restore{FPainting, wasPainting};
  FPainting = true;
  Canvas().StretchDraw(PictureRect(), FPicture->Graphic());
}

void TBoardImage::HandlePictureChange() {
  const int pw = FPicture->Width();
  const int ph = FPicture->Height();
  if (pw > 0 && ph > 0) {
    const double ratio = static_cast<double>(ph) / static_cast<double>(pw);
    FAspectRatio = std::isfinite(ratio) ? ratio : 1.0;
  }
  if (AutoSize() && pw > 0 && ph > 0) SetBounds(Left(), Top(), pw, ph);
  if (TGraphic* graphic = FPicture->Graphic()) {
    if (!qobject_cast<TIcon*>(graphic)) graphic->SetTransparent(FTransparent);
    const bool opaque = !graphic->Transparent() &&
                        (FStretch || (graphic->Width() >= Width() && graphic->Height() >= Height()));
    SetControlStyle(opaque ? ControlStyle() | csOpaque : ControlStyle() & ~csOpaque);
    if (NotifyPaletteChange() && FPainting) Update();
  } else {
    SetControlStyle(ControlStyle() & ~csOpaque);
  }
  if (!FPainting) Invalidate();
}

bool TBoardImage::NotifyPaletteChange() {
  TGraphic* graphic = FPicture->Graphic();
  if (!Visible() || IsLoading() || !graphic || !graphic->PaletteModified()) return false;
  if (graphic->Palette() == 0) {
    graphic->SetPaletteModified(false);
    return false;
  }
  auto* form = qobject_cast<TForm*>(TopLevelControl());
  if (form && form->Active() && form->HandleAllocated()) {
    if (FPainting) {
      SendMessage(form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
    } else {
      PostMessageA(form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
    }
    graphic->SetPaletteModified(false);
    return true;
  }
  return false;
}

bool TBoardImage::CanAutoSize(int& newWidth, int& newHeight) {
  const int pw = FPicture->Width();
  const int ph = FPicture->Height();
  if (IsDesigning() && (pw <= 0 || ph <= 0)) return true;
  if (Align() == alNone || Align() == alLeft || Align() == alRight) newWidth = pw;
  if (Align() == alNone || Align() == alTop || Align() == alBottom) newHeight = ph;
  return true;
}

void TBoardImage::WndProc(TMessage& message) {
  if (message.Msg == WM_STARTTOUR) return WMStartTour(message);
  TCustomPanel::WndProc(message);
}

void TBoardImage::WMStartTour(TMessage& message) {
  if (!FFirst) return;
  // Direct calls, not queued: the tour's first popup is open when the send returns.
  FFirst->CMMouseEnter(message);
  FFirst->Click();
  FFirst->CMMouseLeave(message);
}
