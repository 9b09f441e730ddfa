#include "Jpeg.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {
QByteArray Photo() {
  QFile file(QStringLiteral(":/assets/board.jpg"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

// Offset of the frame header (SOF0..SOF2) in a JPEG file.
qsizetype FrameHeader(const QByteArray& jpeg) {
  for (qsizetype i = 0; i + 1 < jpeg.size(); ++i) {
    const auto a = static_cast<unsigned char>(jpeg[i]);
    const auto b = static_cast<unsigned char>(jpeg[i + 1]);
    if (a == 0xFF && b >= 0xC0 && b <= 0xC2) return i;
  }
  return -1;
}

std::string DecodeError(const QByteArray& data) {
  try {
    TJPEGImage::Decode(data);
  } catch (const EJPEG& e) {
    return e.Message().toStdString();
  }
  return "no error";
}
}  // namespace

TEST(JPEGImage, DecodesTheProgressivePhotographLikeQtsOwnReader) {
  const QByteArray data = Photo();
  TJPEGImage jpeg;
  jpeg.LoadFromBytes(data);
  EXPECT_EQ(jpeg.Width(), 600);
  EXPECT_EQ(jpeg.Height(), 549);
  EXPECT_TRUE(jpeg.Progressive());
  EXPECT_EQ(jpeg.Image().format(), QImage::Format_RGB32);

  const QImage reference = QImage::fromData(data).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(reference.size(), jpeg.Image().size());
  int worst = 0;
  for (int y = 0; y < 549; y += 7) {
    for (int x = 0; x < 600; x += 7) {
      const QRgb a = jpeg.Image().pixel(x, y);
      const QRgb b = reference.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b))});
    }
  }
  EXPECT_LE(worst, 2);
}

TEST(JPEGImage, DamagedDataBecomesAnErrorWithLibjpegsMessage) {
  const QByteArray photo = Photo();
  QByteArray huge = photo;
  const qsizetype sof = FrameHeader(huge);
  ASSERT_GT(sof, 0);
  huge[sof + 5] = static_cast<char>(0xEA);  // height 60000
  huge[sof + 6] = static_cast<char>(0x60);
  huge[sof + 7] = static_cast<char>(0xEA);  // width 60000
  huge[sof + 8] = static_cast<char>(0x60);

  const struct {
    const char* name;
    QByteArray data;
    const char* message;
  } cases[] = {
      {"empty", QByteArray(), "empty"},
      {"not a JPEG", QByteArray("GIF89a this is no photograph"), "Not a JPEG file"},
      {"truncated", photo.left(photo.size() / 2), "Premature end of JPEG file"},
      {"header only", photo.left(sof + 4), "JPEG error"},
      {"too large", huge, "too large (60000 x 60000 pixels)"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(DecodeError(c.data).find(c.message), std::string::npos)
        << c.name << ": " << DecodeError(c.data);
  }
}

TEST(Picture, FindsGraphicClassesByNameAndExtension) {
  RegisterStandardGraphics();
  EXPECT_EQ(TPicture::FileFormatDescription(QStringLiteral("jpg")), QStringLiteral("JPEG Image File"));
  EXPECT_EQ(TPicture::FileFormatDescription(QStringLiteral("jpeg")), QStringLiteral("JPEG Image File"));

  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.ReadRecord(QStringLiteral("TJPEGImage"), Photo());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(picture.Width(), 600);
  EXPECT_TRUE(qobject_cast<TJPEGImage*>(picture.Graphic()));

  EXPECT_THROW(picture.ReadRecord(QStringLiteral("TPNGImage"), Photo()), EReadError);
  EXPECT_THROW(picture.ReadRecord(QStringLiteral("TJPEGImage"), QByteArray("xx")), EJPEG);
  EXPECT_EQ(picture.Width(), 600) << "a failed read keeps the picture";

  TPicture copy;
  copy.Assign(&picture);
  EXPECT_EQ(copy.Height(), 549);
  picture.Clear();
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(copy.Height(), 549) << "the copy owns its own graphic";
}

TEST(Icon, TheWindowIconIsOne32By32SixteenColourImage) {
  QFile file(QStringLiteral(":/assets/settings.ico"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray ico = file.readAll();
  ASSERT_GE(ico.size(), 6 + 16 + 40);
  EXPECT_EQ(ico[4], 1) << "one image";
  EXPECT_EQ(static_cast<unsigned char>(ico[6]), 32);
  EXPECT_EQ(static_cast<unsigned char>(ico[7]), 32);
  EXPECT_EQ(ico[8], 16) << "sixteen colours";
  EXPECT_EQ(ico[6 + 16 + 14], 4) << "four bits per pixel";
  TIcon icon;
  icon.LoadFromBytes(ico);
  EXPECT_EQ(icon.Width(), 32);
  EXPECT_EQ(icon.Height(), 32);
  EXPECT_THROW(icon.LoadFromBytes(QByteArray("not an icon")), EInvalidGraphic);
}

TEST(Canvas, FiguresFollowTheBoxRule) {
  TBitmap bitmap;
  bitmap.SetSize(8, 6);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush.Color = clWhite;
  canvas.Pen.Style = psClear;
  canvas.Rectangle(0, 0, 8, 6);
  canvas.Pen.Style = psSolid;
  canvas.Pen.Color = clRed;
  canvas.Brush.Color = clBlue;
  canvas.Rectangle(1, 1, 5, 4);  // right and bottom edges lie outside

  EXPECT_EQ(canvas.Pixel(1, 1), clRed);
  EXPECT_EQ(canvas.Pixel(4, 3), clRed);
  EXPECT_EQ(canvas.Pixel(2, 2), clBlue);
  EXPECT_EQ(canvas.Pixel(5, 2), clWhite);
  EXPECT_EQ(canvas.Pixel(2, 4), clWhite);

  // The image's bytes are blue, green, red and a fourth byte.
  const uchar* row = bitmap.ScanLine(2);
  EXPECT_EQ(row[2 * 4 + 0], 255);
  EXPECT_EQ(row[2 * 4 + 1], 0);
  EXPECT_EQ(row[2 * 4 + 2], 0);
}
