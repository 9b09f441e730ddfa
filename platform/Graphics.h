// Drawing: colours, pens, brushes, fonts, the canvas over a Qt painter, 32-bit bitmaps,
// graphics and the picture that holds one graphic of any registered format.
#pragma once

#include "Component.h"
#include "Events.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <functional>
#include <memory>
#include <optional>

// The RGB value of a colour; system colours are taken from the application's palette.
QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor& color);

class TFont : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
  Q_PROPERTY(int Color READ Color WRITE SetColor)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(ui::TFontStyles Style READ Style WRITE SetStyle)
  Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
 public:
  TFont();
  int Charset() const { return FCharset; }
  void SetCharset(int value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  // Negative: character height in pixels without internal leading.
  int Height() const { return FHeight; }
  void SetHeight(int value);
  const QString& Name() const { return FName; }
  void SetName(const QString& value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value);
  // Points at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);

  void Assign(TPersistent* source) override;
  QFont ToQFont() const;

  std::function<void()> OnChange;

 private:
  void Changed();
  int FCharset = DEFAULT_CHARSET;
  TColor FColor = clWindowText;
  int FHeight = -11;
  QString FName = QStringLiteral("MS Sans Serif");
  TFontStyles FStyle;
};

struct TPen {
  TColor Color = clBlack;
  TPenStyle Style = psSolid;
  int Width = 1;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

class TGraphic;

// Draws with the box rule: a figure's right and bottom edges lie outside it, a solid
// one-pixel pen runs along the inside of the box, and nothing is antialiased.
class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(QPainter* painter) : FPainter(painter) {}
  virtual ~TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TPen Pen;
  TBrush Brush;
  TFont Font;

  // The painter drawn with, or nullptr when the canvas cannot draw now.
  virtual QPainter* Painter() { return FPainter; }
  void SetPainter(QPainter* painter) { FPainter = painter; }
  bool CanDraw() { return Painter() != nullptr; }

  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void FillRect(const TRect& r);
  void TextOut(int x, int y, const QString& text);
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& r, TGraphic* graphic);
  void DrawImage(const TRect& dest, const QImage& image);

  // Direct pixel access; only canvases over an image have pixels to read.
  virtual TColor Pixel(int x, int y);
  virtual void SetPixel(int x, int y, TColor color);

 protected:
  void Prepare(QPainter& p, bool withPen, bool withBrush);

 private:
  QPainter* FPainter = nullptr;
};

class TGraphic : public TPersistent {
  Q_OBJECT
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
  // Reads the graphic from a complete file image; throws EInvalidGraphic on damaged data.
  virtual void LoadFromBytes(const QByteArray& data) = 0;
  virtual std::unique_ptr<TGraphic> Clone() const = 0;

  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool value);
  // Palette support: this layer draws in true colour, so there is never a palette.
  virtual quintptr Palette() const { return 0; }
  bool PaletteModified() const { return FPaletteModified; }
  void SetPaletteModified(bool value) { FPaletteModified = value; }

  std::function<void(TObject*)> OnChange;

 protected:
  void Changed();

 private:
  bool FTransparent = false;
  bool FPaletteModified = false;
};

// A 32-bit image: bytes blue, green, red and an unused fourth byte per pixel.
class TBitmap : public TGraphic {
  Q_OBJECT
 public:
  TBitmap();
  ~TBitmap() override;

  int Width() const override { return FImage.width(); }
  int Height() const override { return FImage.height(); }
  bool Empty() const override { return FImage.isNull() || FImage.width() == 0; }
  void SetWidth(int value) { SetSize(value, Height()); }
  void SetHeight(int value) { SetSize(Width(), value); }
  void SetSize(int width, int height);
  void Draw(TCanvas& canvas, const TRect& rect) override;
  void LoadFromBytes(const QByteArray& data) override;
  std::unique_ptr<TGraphic> Clone() const override;
  void Assign(TPersistent* source) override;

  TCanvas& Canvas();
  // Row y of the pixels; the canvas's drawing is finished before the row is handed out.
  uchar* ScanLine(int y);
  const QImage& Image();

 private:
  class TBitmapCanvas;
  QImage FImage;
  std::unique_ptr<TBitmapCanvas> FCanvas;
};

class TIcon : public TGraphic {
  Q_OBJECT
 public:
  int Width() const override { return FImage.width(); }
  int Height() const override { return FImage.height(); }
  bool Empty() const override { return FImage.isNull(); }
  void Draw(TCanvas& canvas, const TRect& rect) override;
  void LoadFromBytes(const QByteArray& data) override;
  std::unique_ptr<TGraphic> Clone() const override;
  const QImage& Image() const { return FImage; }

 private:
  QImage FImage;
};

// Holds one graphic of any registered format.
class TPicture : public TPersistent {
  Q_OBJECT
 public:
  TPicture();
  ~TPicture() override;

  TGraphic* Graphic() const { return FGraphic.get(); }
  // Takes a copy of the given graphic (of the same class); nullptr empties the picture.
  void SetGraphic(TGraphic* graphic);
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }
  bool Empty() const { return !FGraphic || FGraphic->Empty(); }

  void Assign(TPersistent* source) override;
  // The description's picture record: the graphic class's name and the graphic's bytes.
  void ReadRecord(const QString& graphicClass, const QByteArray& data) override;
  void LoadFromFile(const QString& fileName);
  void Clear();

  std::function<void(TObject*)> OnChange;

  // The registry of graphic formats, by class name and by file extension.
  using GraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
  static void RegisterFileFormat(const QString& extension, const QString& description,
                                 const QString& className, GraphicFactory factory);
  static bool IsGraphicClassRegistered(const QString& className);
  static QString FileFormatDescription(const QString& extension);

 private:
  void TakeGraphic(std::unique_ptr<TGraphic> graphic);
  void Changed();
  std::unique_ptr<TGraphic> FGraphic;
};

// Registers the graphic classes the layer provides; part of the platform's start-up.
void RegisterStandardGraphics();
