// The JPEG graphic: keeps the file's bytes and the decoded 32-bit image. Baseline and
// progressive files are read with libjpeg; every error or damage it reports becomes an
// EJPEG exception carrying libjpeg's own message.
#pragma once

#include "Graphics.h"

class TJPEGImage : public TGraphic {
  Q_OBJECT
 public:
  // Larger pictures are refused before any pixel memory is taken.
  static constexpr int MaxDimension = 16384;
  static constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

  int Width() const override { return FImage.width(); }
  int Height() const override { return FImage.height(); }
  bool Empty() const override { return FImage.isNull(); }
  void Draw(TCanvas& canvas, const TRect& rect) override;
  void LoadFromBytes(const QByteArray& data) override;
  std::unique_ptr<TGraphic> Clone() const override;

  const QByteArray& Data() const { return FData; }
  const QImage& Image() const { return FImage; }
  bool Progressive() const { return FProgressive; }

  // Decodes a complete JPEG file into a Format_RGB32 image; throws EJPEG.
  static QImage Decode(const QByteArray& data, bool* progressive = nullptr);

 private:
  QByteArray FData;
  QImage FImage;
  bool FProgressive = false;
};

// Registers the graphic classes of the layer (bitmap, icon, JPEG) with the picture
// registry; the platform's start-up calls it before any description is read.
void RegisterStandardGraphics();
