#include "TestSupport.h"

#include <QElapsedTimer>
#include <QFile>

MessageBoxRecorder::MessageBoxRecorder(int answer) {
  FPrevious = SetMessageBoxFunction([this, answer](const QString& text, const QString& caption, int flags) {
    FBoxes.push_back({text, caption, flags});
    return answer;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxFunction(FPrevious); }

void AppTest::SetUp() {
  boxes = std::make_unique<MessageBoxRecorder>();
  app = std::make_unique<TApplication>();
}

void AppTest::TearDown() {
  app.reset();
  boxes.reset();
}

void ProcessEvents() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
}

namespace {
QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << path.toStdString();
  return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) ADD_FAILURE() << "cannot write " << path.toStdString();
  file.write(bytes);
}
}  // namespace

AssetCopy::AssetCopy() {
  WriteAll(DescriptionPath(), ReadAll(QStringLiteral(":/assets/TMAINFORM")));
  WriteAll(PhotoPath(), ReadAll(QStringLiteral(":/assets/board.jpg")));
}

QString AssetCopy::DescriptionPath() const { return FDir.filePath(QStringLiteral("MainForm.form")); }
QString AssetCopy::PhotoPath() const { return FDir.filePath(QStringLiteral("board.jpg")); }
QString AssetCopy::ReadDescription() const { return QString::fromUtf8(ReadAll(DescriptionPath())); }
void AssetCopy::WriteDescription(const QString& text) const { WriteAll(DescriptionPath(), text.toUtf8()); }
QByteArray AssetCopy::ReadPhoto() const { return ReadAll(PhotoPath()); }
void AssetCopy::WritePhoto(const QByteArray& bytes) const { WriteAll(PhotoPath(), bytes); }
