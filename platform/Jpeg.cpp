#include "Jpeg.h"

#include <cstdio>
#include <csetjmp>
#include <cstring>

#include <jpeglib.h>

namespace {

// libjpeg reports errors through a callback that must not return; it jumps back to the
// decoder with the message. Warnings about corrupt data are treated as errors too: a
// damaged or truncated photograph must not be shown half grey.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) OnError(cinfo);  // a warning: the data is damaged
}

struct DecodeResult {
  bool ok = false;
  char message[JMSG_LENGTH_MAX] = {};
  int width = 0;
  int height = 0;
  bool progressive = false;
  bool tooLarge = false;
};

// Plain C-style decoding: no object with a destructor lives across the setjmp.
// The image is allocated by the caller's callback once the size is known.
using AllocateFn = unsigned char* (*)(void* context, int width, int height, int* stride);

void DecodeInto(const unsigned char* bytes, unsigned long size, AllocateFn allocate, void* context,
                DecodeResult* result) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  err.message[0] = '\0';

  if (setjmp(err.jump)) {
    std::snprintf(result->message, sizeof result->message, "%s", err.message);
    jpeg_destroy_decompress(&cinfo);
    return;
  }

  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, bytes, size);
  jpeg_read_header(&cinfo, TRUE);
  result->progressive = jpeg_has_multiple_scans(&cinfo);
  if (cinfo.image_width > static_cast<unsigned>(TJPEGImage::MaxDimension) ||
      cinfo.image_height > static_cast<unsigned>(TJPEGImage::MaxDimension) ||
      static_cast<qint64>(cinfo.image_width) * cinfo.image_height > TJPEGImage::MaxPixels) {
    result->tooLarge = true;
    result->width = static_cast<int>(cinfo.image_width);
    result->height = static_cast<int>(cinfo.image_height);
    jpeg_destroy_decompress(&cinfo);
    return;
  }
  // Decoded straight into the image's rows as blue, green, red, unused (libjpeg-turbo).
  cinfo.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&cinfo);
  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  int stride = 0;
  unsigned char* pixels = allocate(context, width, height, &stride);
  if (!pixels) {
    std::snprintf(result->message, sizeof result->message, "%s", "Out of memory for the decoded picture");
    jpeg_destroy_decompress(&cinfo);
    return;
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = pixels + static_cast<size_t>(cinfo.output_scanline) * stride;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  result->width = width;
  result->height = height;
  result->ok = true;
}

unsigned char* AllocateImage(void* context, int width, int height, int* stride) {
  auto* image = static_cast<QImage*>(context);
  *image = QImage(width, height, QImage::Format_RGB32);
  if (image->isNull()) return nullptr;
  *stride = static_cast<int>(image->bytesPerLine());
  return image->bits();
}

}  // namespace

QImage TJPEGImage::Decode(const QByteArray& data, bool* progressive) {
  if (data.isEmpty()) throw EJPEG(QStringLiteral("JPEG data is empty"));
  QImage image;
  DecodeResult result;
  DecodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
             static_cast<unsigned long>(data.size()), AllocateImage, &image, &result);
  if (result.tooLarge) {
    throw EJPEG(QStringLiteral("JPEG image is too large (%1 x %2 pixels)")
                    .arg(result.width)
                    .arg(result.height));
  }
  if (!result.ok) throw EJPEG(QStringLiteral("JPEG error: %1").arg(QString::fromLocal8Bit(result.message)));
  if (progressive) *progressive = result.progressive;
  return image;
}

void TJPEGImage::LoadFromBytes(const QByteArray& data) {
  bool progressive = false;
  QImage image = Decode(data, &progressive);
  FData = data;
  FImage = image;
  FProgressive = progressive;
  Changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) { canvas.DrawImage(rect, FImage); }

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->FData = FData;
  copy->FImage = FImage;
  copy->FProgressive = FProgressive;
  copy->SetTransparent(Transparent());
  return copy;
}

void RegisterStandardGraphics() {
  TPicture::RegisterFileFormat(QStringLiteral("bmp"), QStringLiteral("Bitmaps"),
                               QStringLiteral("TBitmap"), [] { return std::make_unique<TBitmap>(); });
  TPicture::RegisterFileFormat(QStringLiteral("ico"), QStringLiteral("Icons"), QStringLiteral("TIcon"),
                               [] { return std::make_unique<TIcon>(); });
  auto jpeg = [] { return std::make_unique<TJPEGImage>(); };
  TPicture::RegisterFileFormat(QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"),
                               QStringLiteral("TJPEGImage"), jpeg);
  TPicture::RegisterFileFormat(QStringLiteral("jpg"), QStringLiteral("JPEG Image File"),
                               QStringLiteral("TJPEGImage"), jpeg);
}
