#include "Startup.h"
#include "TestSupport.h"
#include "template.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {
// Line and column (1-based) where needle starts in text.
std::string PlaceOf(const QString& text, const QString& needle) {
  const qsizetype at = text.indexOf(needle);
  EXPECT_GE(at, 0) << needle.toStdString();
  const QString before = text.left(at);
  const int line = static_cast<int>(before.count(QLatin1Char('\n'))) + 1;
  const int column = static_cast<int>(at - (before.lastIndexOf(QLatin1Char('\n')) + 1)) + 1;
  return QStringLiteral("line %1, column %2").arg(line).arg(column).toStdString();
}

struct Fault {
  const char* name;
  const char* find;      // text of the real description to change
  const char* replace;   // its replacement
  const char* at;        // where the reader must report the fault
  const char* message;   // what it must say
  std::function<QByteArray(QByteArray)> photo;  // damage to the photograph, if any
};

std::vector<Fault> Faults() {
  return {
      {"unknown component class", "PullJumper: TThreeJumper", "PullJumper: TFourJumper", "TFourJumper",
       "class TFourJumper not found", {}},
      {"unknown graphic class", "TJPEGImage from", "TGIFImage from", "TGIFImage from",
       "Unknown graphic class TGIFImage", {}},
      {"damaged entry", "    Top = 2\n", "    Top == 2\n", "= 2\n", "a value expected but '=' found", {}},
      {"unknown property", "      Title = '&USB", "      Titel = '&USB", "Titel", "TBoardHighlight has no property Titel", {}},
      {"unresolved reference", "RadioPanel = LEDPanel", "RadioPanel = LEDPanel2", "LEDPanel2",
       "component LEDPanel2 not found", {}},
      {"unknown handler", "OnClick = PullJumperClick", "OnClick = PullJumperClack", "PullJumperClack",
       "TMainForm has no handler PullJumperClack", {}},
      {"truncated photograph", "", "", "TJPEGImage from", "Premature end of JPEG file",
       [](QByteArray jpeg) { return jpeg.left(jpeg.size() * 2 / 3); }},
      {"damaged photograph", "", "", "TJPEGImage from", "Not a JPEG file",
       [](QByteArray jpeg) { return jpeg.replace(0, 4, "\x89PNG"); }},
      {"missing photograph", "from 'board.jpg'", "from 'boards.jpg'", "TJPEGImage from",
       "cannot read the data file 'boards.jpg'", {}},
  };
}
}  // namespace

using DescriptionFaults = AppTest;

TEST_F(DescriptionFaults, EachFaultIsReportedWithItsPlace) {
  for (const Fault& f : Faults()) {
    AssetCopy assets;
    QString text = assets.ReadDescription();
    if (*f.find) {
      ASSERT_TRUE(text.contains(QLatin1String(f.find))) << f.name;
      text.replace(QLatin1String(f.find), QLatin1String(f.replace));
      assets.WriteDescription(text);
    }
    if (f.photo) assets.WritePhoto(f.photo(assets.ReadPhoto()));
    std::string error = "no error";
    try {
      TMainForm form(nullptr, assets.DescriptionPath());
    } catch (const EReadError& e) {
      error = e.Message().toStdString();
    }
    EXPECT_NE(error.find("MainForm.form, " + PlaceOf(text, QLatin1String(f.at))), std::string::npos)
        << f.name << "\n  got: " << error;
    EXPECT_NE(error.find(f.message), std::string::npos) << f.name << "\n  got: " << error;
  }
}

TEST(Startup, AnUnreadableDescriptionEndsTheProgramBeforeAnyWindowWithAMessage) {
  AssetCopy assets;
  assets.WritePhoto(assets.ReadPhoto().left(5000));
  MessageBoxRecorder boxes;
  testing::internal::CaptureStderr();
  const int code = RunSettings(assets.DescriptionPath());
  const std::string err = testing::internal::GetCapturedStderr();

  EXPECT_EQ(code, 1);
  EXPECT_NE(err.find("the board description cannot be read"), std::string::npos) << err;
  EXPECT_NE(err.find("MainForm.form, line"), std::string::npos) << err;
  EXPECT_NE(err.find("Premature end of JPEG file"), std::string::npos) << err;
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(boxes.Boxes()[0].text.contains(QStringLiteral("Premature end of JPEG file")));
  EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Setup"));
  EXPECT_EQ(boxes.Boxes()[0].flags & MB_ICONSTOP, MB_ICONSTOP);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(w->isVisible()) << "a window was shown: " << w->windowTitle().toStdString();
  }
}
