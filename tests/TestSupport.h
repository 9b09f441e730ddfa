// Shared helpers of the component tests: an application object with message boxes
// answered by the test, and a writable copy of the compiled-in assets to damage.
#pragma once

#include "Forms.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct RecordedBox {
  QString text;
  QString caption;
  int flags = 0;
};

// Answers every message box with the given answer and keeps what it was asked.
class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(int answer = IDOK);
  ~MessageBoxRecorder();
  const std::vector<RecordedBox>& Boxes() const { return FBoxes; }

 private:
  std::vector<RecordedBox> FBoxes;
  TMessageBoxFunction FPrevious;
};

// A fresh application object per test.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::unique_ptr<TApplication> app;
  std::unique_ptr<MessageBoxRecorder> boxes;
};

// Runs the event loop until it is idle (paints and posted events delivered).
void ProcessEvents();

// The compiled-in description and photograph copied into a temporary folder.
class AssetCopy {
 public:
  AssetCopy();
  QString DescriptionPath() const;
  QString PhotoPath() const;
  QString ReadDescription() const;
  void WriteDescription(const QString& text) const;
  QByteArray ReadPhoto() const;
  void WritePhoto(const QByteArray& bytes) const;

 private:
  QTemporaryDir FDir;
};
