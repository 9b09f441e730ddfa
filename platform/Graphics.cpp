#include "Graphics.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPalette>

#include <cmath>

QColor ColorToQColor(TColor color) {
  const auto bits = static_cast<std::uint32_t>(color);
  if (bits & 0x80000000u) {
    const QPalette palette = QApplication::palette();
    switch (bits & 0xFF) {
      case 0: return palette.color(QPalette::Mid);
      case 1: return palette.color(QPalette::Dark);
      case 2: return palette.color(QPalette::Highlight);
      case 3: return palette.color(QPalette::Mid);
      case 4: return palette.color(QPalette::Window);
      case 5: return palette.color(QPalette::Base);
      case 6: return palette.color(QPalette::Shadow);
      case 7: return palette.color(QPalette::WindowText);
      case 8: return palette.color(QPalette::Text);
      case 9: return palette.color(QPalette::HighlightedText);
      case 13: return palette.color(QPalette::Highlight);
      case 14: return palette.color(QPalette::HighlightedText);
      case 15: return palette.color(QPalette::Button);
      case 16: return palette.color(QPalette::Dark);
      case 17: return palette.color(QPalette::Disabled, QPalette::Text);
      case 18: return palette.color(QPalette::ButtonText);
      case 20: return palette.color(QPalette::Light);
      case 23: return palette.color(QPalette::ToolTipText);
      case 24: return palette.color(QPalette::ToolTipBase);
      default: return palette.color(QPalette::Window);
    }
  }
  return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& color) {
  return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

// ---- TFont

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange();
}

void TFont::SetCharset(int value) {
  if (value == FCharset) return;
  FCharset = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();
}

void TFont::SetHeight(int value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

void TFont::SetName(const QString& value) {
  if (value == FName) return;
  FName = value;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

int TFont::Size() const { return static_cast<int>(std::lround(-FHeight * 72.0 / 96.0)); }

void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * 96.0 / 72.0))); }

void TFont::Assign(TPersistent* source) {
  auto* other = qobject_cast<TFont*>(source);
  if (!other) return TPersistent::Assign(source);
  FCharset = other->FCharset;
  FColor = other->FColor;
  FHeight = other->FHeight;
  FName = other->FName;
  FStyle = other->FStyle;
  Changed();
}

QFont TFont::ToQFont() const {
  QFont font(FName);
  // The stored families of the original desktop are not on this system: let the font
  // matcher fall back to the desktop's sans-serif face.
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, std::abs(FHeight)));
  font.setBold(FStyle.testFlag(fsBold));
  font.setItalic(FStyle.testFlag(fsItalic));
  font.setUnderline(FStyle.testFlag(fsUnderline));
  font.setStrikeOut(FStyle.testFlag(fsStrikeOut));
  return font;
}

// ---- TCanvas

void TCanvas::Prepare(QPainter& p, bool withPen, bool withBrush) {
  p.setRenderHint(QPainter::Antialiasing, false);
  if (withPen && Pen.Style != psClear) {
    QPen pen(ColorToQColor(Pen.Color));
    pen.setWidth(0);  // cosmetic: exactly one pixel
    switch (Pen.Style) {
      case psDash: pen.setStyle(Qt::DashLine); break;
      case psDot: pen.setStyle(Qt::DotLine); break;
      case psDashDot: pen.setStyle(Qt::DashDotLine); break;
      case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
      default: pen.setStyle(Qt::SolidLine); break;
    }
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  if (withBrush && Brush.Style != bsClear) {
    p.setBrush(ColorToQColor(Brush.Color));
  } else {
    p.setBrush(Qt::NoBrush);
  }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  QPainter* p = Painter();
  if (!p || right <= left || bottom <= top) return;
  p->save();
  if (Brush.Style != bsClear) p->fillRect(left, top, right - left, bottom - top, ColorToQColor(Brush.Color));
  if (Pen.Style != psClear) {
    Prepare(*p, true, false);
    p->drawRect(left, top, right - left - 1, bottom - top - 1);
  }
  p->restore();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
  QPainter* p = Painter();
  if (!p || right <= left || bottom <= top) return;
  p->save();
  Prepare(*p, true, true);
  const QRectF box(left, top, right - left - 1, bottom - top - 1);
  p->drawRoundedRect(box, cornerWidth / 2.0, cornerHeight / 2.0);
  p->restore();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  QPainter* p = Painter();
  if (!p || right <= left || bottom <= top) return;
  p->save();
  Prepare(*p, true, true);
  p->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
  p->restore();
}

void TCanvas::FillRect(const TRect& r) {
  QPainter* p = Painter();
  if (!p || Brush.Style == bsClear) return;
  p->fillRect(r.Left, r.Top, r.Width(), r.Height(), ColorToQColor(Brush.Color));
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  QPainter* p = Painter();
  if (!p) return;
  p->save();
  p->setFont(Font.ToQFont());
  p->setPen(ColorToQColor(Font.Color()));
  const QFontMetrics metrics(p->font());
  p->drawText(x, y + metrics.ascent(), text);
  p->restore();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic && !graphic->Empty()) {
    graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
  }
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (graphic && !graphic->Empty()) graphic->Draw(*this, r);
}

void TCanvas::DrawImage(const TRect& dest, const QImage& image) {
  QPainter* p = Painter();
  if (!p || image.isNull()) return;
  const QRect target(dest.Left, dest.Top, dest.Width(), dest.Height());
  if (target.size() == image.size()) {
    p->drawImage(target.topLeft(), image);
  } else {
    p->save();
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->drawImage(target, image);
    p->restore();
  }
}

TColor TCanvas::Pixel(int, int) { return clBlack; }
void TCanvas::SetPixel(int, int, TColor) {}

// ---- TGraphic

void TGraphic::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Changed();
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TBitmap

// A canvas over the bitmap's own image. Its painter is opened on first use and closed
// whenever the image is resized or its bytes are handed out.
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(QImage& image) : FImage(image) {}
  ~TBitmapCanvas() override { End(); }
  QPainter* Painter() override {
    if (FImage.isNull()) return nullptr;
    if (!FPainter.isActive()) FPainter.begin(&FImage);
    return &FPainter;
  }
  void End() {
    if (FPainter.isActive()) FPainter.end();
  }
  TColor Pixel(int x, int y) override {
    End();
    if (!FImage.valid(x, y)) return clBlack;
    return QColorToColor(QColor::fromRgb(FImage.pixel(x, y)));
  }
  void SetPixel(int x, int y, TColor color) override {
    End();
    if (FImage.valid(x, y)) FImage.setPixel(x, y, ColorToQColor(color).rgb());
  }

 private:
  QImage& FImage;
  QPainter FPainter;
};

TBitmap::TBitmap() : FCanvas(std::make_unique<TBitmapCanvas>(FImage)) {}
TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height() && !FImage.isNull()) return;
  FCanvas->End();
  if (width == 0 || height == 0) {
    FImage = QImage();
  } else {
    QImage resized(width, height, QImage::Format_RGB32);
    resized.fill(Qt::black);
    if (!FImage.isNull()) {
      QPainter p(&resized);
      p.drawImage(0, 0, FImage);
    }
    FImage = resized;
  }
  Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  FCanvas->End();
  canvas.DrawImage(rect, FImage);
}

void TBitmap::LoadFromBytes(const QByteArray& data) {
  QImage image;
  if (!image.loadFromData(data)) throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
  FCanvas->End();
  FImage = image.convertToFormat(QImage::Format_RGB32);
  Changed();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->FImage = FImage;
  copy->SetTransparent(Transparent());
  return copy;
}

void TBitmap::Assign(TPersistent* source) {
  auto* other = qobject_cast<TBitmap*>(source);
  if (!other) return TGraphic::Assign(source);
  FCanvas->End();
  other->FCanvas->End();
  FImage = other->FImage;
  Changed();
}

TCanvas& TBitmap::Canvas() { return *FCanvas; }

uchar* TBitmap::ScanLine(int y) {
  FCanvas->End();
  if (y < 0 || y >= Height()) throw EInvalidGraphic(QStringLiteral("Scan line index out of range"));
  return FImage.scanLine(y);
}

const QImage& TBitmap::Image() {
  FCanvas->End();
  return FImage;
}

// ---- TIcon

void TIcon::Draw(TCanvas& canvas, const TRect& rect) { canvas.DrawImage(rect, FImage); }

void TIcon::LoadFromBytes(const QByteArray& data) {
  QBuffer buffer;
  buffer.setData(data);
  QImageReader reader(&buffer, "ico");
  QImage image = reader.read();
  if (image.isNull()) throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
  FImage = image;
  Changed();
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
  auto copy = std::make_unique<TIcon>();
  copy->FImage = FImage;
  return copy;
}

// ---- TPicture

namespace {
struct GraphicFormat {
  QString extension;
  QString description;
  QString className;
  TPicture::GraphicFactory factory;
};

QList<GraphicFormat>& Formats() {
  static QList<GraphicFormat> formats;
  return formats;
}

const GraphicFormat* FindFormatByClass(const QString& className) {
  for (const GraphicFormat& f : Formats()) {
    if (f.className == className) return &f;
  }
  return nullptr;
}
}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const QString& extension, const QString& description,
                                  const QString& className, GraphicFactory factory) {
  const QString ext = extension.toLower();
  for (GraphicFormat& f : Formats()) {
    if (f.extension == ext) {
      f = GraphicFormat{ext, description, className, std::move(factory)};
      return;
    }
  }
  Formats().append(GraphicFormat{ext, description, className, std::move(factory)});
}

bool TPicture::IsGraphicClassRegistered(const QString& className) {
  return FindFormatByClass(className) != nullptr;
}

QString TPicture::FileFormatDescription(const QString& extension) {
  for (const GraphicFormat& f : Formats()) {
    if (f.extension == extension.toLower()) return f.description;
  }
  return {};
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::SetGraphic(TGraphic* graphic) { TakeGraphic(graphic ? graphic->Clone() : nullptr); }

void TPicture::Clear() { TakeGraphic(nullptr); }

void TPicture::Assign(TPersistent* source) {
  if (!source) return Clear();
  if (auto* other = qobject_cast<TPicture*>(source)) return SetGraphic(other->Graphic());
  if (auto* graphic = qobject_cast<TGraphic*>(source)) return SetGraphic(graphic);
  TPersistent::Assign(source);
}

void TPicture::ReadRecord(const QString& graphicClass, const QByteArray& data) {
  const GraphicFormat* format = FindFormatByClass(graphicClass);
  if (!format) {
    throw EReadError(QStringLiteral("Unknown graphic class %1: no such picture format is registered")
                         .arg(graphicClass));
  }
  std::unique_ptr<TGraphic> graphic = format->factory();
  graphic->LoadFromBytes(data);
  TakeGraphic(std::move(graphic));
}

void TPicture::LoadFromFile(const QString& fileName) {
  const QString ext = QFileInfo(fileName).suffix().toLower();
  const GraphicFormat* format = nullptr;
  for (const GraphicFormat& f : Formats()) {
    if (f.extension == ext) format = &f;
  }
  if (!format) throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EInvalidGraphic(QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString()));
  }
  std::unique_ptr<TGraphic> graphic = format->factory();
  graphic->LoadFromBytes(file.readAll());
  TakeGraphic(std::move(graphic));
}
