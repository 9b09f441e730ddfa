#include "SetupCtrls.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Counts the paints that reach the board image.
class TCountingImage : public TBoardImage {
 public:
  using TBoardImage::TBoardImage;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TBoardImage::Paint();
  }
};

// Records the tour's calls on the highlight.
class TRecordingHighlight : public TBoardHighlight {
 public:
  using TBoardHighlight::TBoardHighlight;
  QStringList calls;
  void CMMouseEnter(TMessage& m) override { calls << QStringLiteral("enter %1 %2").arg(m.WParam).arg(m.LParam); }
  void Click() override { calls << QStringLiteral("click"); }
  void CMMouseLeave(TMessage& m) override { calls << QStringLiteral("leave %1 %2").arg(m.WParam).arg(m.LParam); }
};

struct Board {
  explicit Board(int formWidth, int formHeight = 700) : form(nullptr) {
    form.SetBounds(0, 0, formWidth, formHeight);
    image = new TCountingImage(&form);  // owned by the form
    image->SetParent(&form);
    image->SetBounds(142, 2, 600, 549);
    image->Picture()->LoadFromFile(QStringLiteral(":/assets/board.jpg"));
  }
  void ShowAndSettle() {
    form.Show();
    ProcessEvents();
  }
  TForm form;
  TCountingImage* image;
};

}  // namespace

TEST(BoardImage, NewImageIsEmptyAutoSized105Square) {
  TBoardImage image(nullptr);
  EXPECT_EQ(image.Width(), 105);
  EXPECT_EQ(image.Height(), 105);
  EXPECT_TRUE(image.AutoSize());
  EXPECT_TRUE(image.Picture()->Empty());
  EXPECT_DOUBLE_EQ(image.AspectRatio(), 1.0);
  EXPECT_TRUE(image.CenterOnForm());
  EXPECT_TRUE(image.Scale());
  EXPECT_FALSE(image.Stretch() || image.Center() || image.Transparent());
  EXPECT_TRUE(image.ControlStyle() & csReplicatable);
}

TEST(BoardImage, SizesItselfToThePhotographWhateverSizeWasStored) {
  Board board(1032);
  board.image->SetBounds(142, 2, 300, 100);
  EXPECT_EQ(board.image->Width(), 600);
  EXPECT_EQ(board.image->Height(), 549);
  EXPECT_DOUBLE_EQ(board.image->AspectRatio(), 0.915);
  EXPECT_TRUE(board.image->ControlStyle() & csOpaque);
}

TEST(BoardImage, RecordsItsPlaceAtTheFirstPaintThenCentresOnTheParentsOuterSize) {
  const struct {
    int parentWidth;
    int left;
  } cases[] = {{1032, 216}, {500, -50}, {599, 0}};
  for (const auto& c : cases) {
    Board board(c.parentWidth, 700);
    EXPECT_FALSE(board.image->InitialPosRecorded());
    board.ShowAndSettle();
    ASSERT_GT(board.image->paints, 0);
    EXPECT_EQ(board.image->InitialLeft(), 142) << c.parentWidth;
    EXPECT_EQ(board.image->InitialTop(), 2);
    ASSERT_EQ(board.form.Width(), c.parentWidth) << "the form kept its size";
    EXPECT_EQ(board.image->Left(), c.left) << c.parentWidth;
    EXPECT_EQ(board.image->Top(), Halved(board.form.Height() - 549));

    // The initial place is never taken again; a resized parent re-centres the photograph.
    board.form.SetWidth(c.parentWidth + 100);
    ProcessEvents();
    EXPECT_EQ(board.image->InitialLeft(), 142);
    EXPECT_EQ(board.image->Left(), Halved(c.parentWidth + 100 - 600));
  }
}

TEST(BoardImage, NoCentringWhenCenterOnFormIsOff) {
  Board board(1032);
  board.image->SetCenterOnForm(false);
  board.ShowAndSettle();
  EXPECT_EQ(board.image->Left(), 142);
  EXPECT_EQ(board.image->Top(), 2);
}

TEST(BoardImage, EqualValuesRepaintNothingNewValuesRepaint) {
  Board board(1032);
  board.ShowAndSettle();
  struct Setter {
    const char* name;
    std::function<void(TBoardImage&, bool)> set;
    bool current;
  };
  const Setter setters[] = {
      {"Center", [](TBoardImage& i, bool v) { i.SetCenter(v); }, false},
      {"Stretch", [](TBoardImage& i, bool v) { i.SetStretch(v); }, false},
      {"Scale", [](TBoardImage& i, bool v) { i.SetScale(v); }, true},
      {"Transparent", [](TBoardImage& i, bool v) { i.SetTransparent(v); }, false},
  };
  for (const Setter& s : setters) {
    ProcessEvents();
    const int before = board.image->paints;
    s.set(*board.image, s.current);
    ProcessEvents();
    EXPECT_EQ(board.image->paints, before) << s.name << " set to its own value repainted";
    s.set(*board.image, !s.current);
    ProcessEvents();
    EXPECT_GT(board.image->paints, before) << s.name << " changed without a repaint";
    s.set(*board.image, s.current);
  }
  EXPECT_EQ(board.image->Width(), 600);
  EXPECT_EQ(board.image->Height(), 549);
}

TEST(BoardImage, OpaqueOnlyWhileAnOpaqueGraphicCoversTheControl) {
  Board board(1032);
  auto opaque = [&] { return (board.image->ControlStyle() & csOpaque) != 0; };
  EXPECT_TRUE(opaque());
  board.image->SetTransparent(true);
  EXPECT_FALSE(opaque()) << "a transparent graphic never makes the control opaque";
  EXPECT_TRUE(board.image->Picture()->Graphic()->Transparent());
  board.image->SetTransparent(false);
  board.image->SetAutoSize(false);
  board.image->SetBounds(0, 0, 700, 600);
  board.image->SetCenter(true);  // any change re-evaluates
  EXPECT_FALSE(opaque()) << "a smaller picture leaves the face colour showing";
  board.image->SetStretch(true);
  EXPECT_TRUE(opaque());
  EXPECT_EQ(board.image->PictureRect(), Rect(0, 0, 700, 600));
  board.image->SetStretch(false);
  EXPECT_EQ(board.image->PictureRect(), Bounds(50, 25, 600, 549));
  board.image->Picture()->Clear();
  EXPECT_FALSE(opaque());
  EXPECT_DOUBLE_EQ(board.image->AspectRatio(), 0.915) << "an empty picture keeps the ratio";
}

TEST(BoardImage, AtRunTimeAnEmptyPictureAsksForNoSize) {
  TForm form(nullptr);
  auto* image = new TBoardImage(&form);  // owned by the form
  image->SetParent(&form);
  image->SetBounds(10, 20, 300, 200);
  EXPECT_EQ(image->Width(), 0);
  EXPECT_EQ(image->Height(), 0);
  EXPECT_EQ(image->Left(), 10);

  int w = 77, h = 88;
  image->SetAlign(alTop);
  EXPECT_TRUE(image->CanAutoSize(w, h));
  EXPECT_EQ(w, 77) << "a top-aligned image keeps its width";
  EXPECT_EQ(h, 0);
}

TEST(BoardImage, StartTourCallsEnterClickLeaveOnFirstOnce) {
  TForm form(nullptr);
  auto* image = new TBoardImage(&form);  // owned by the form
  image->SetParent(&form);
  auto* first = new TRecordingHighlight(&form);
  first->SetParent(image);
  auto* other = new TRecordingHighlight(&form);
  other->SetParent(image);

  EXPECT_EQ(SendMessage(image->Handle(), WM_STARTTOUR, 0, 0), 0);
  EXPECT_TRUE(first->calls.isEmpty()) << "without First the tour does nothing";

  image->SetFirst(first);
  SendMessage(image->Handle(), WM_STARTTOUR, 0, 0);
  EXPECT_EQ(first->calls, QStringList({QStringLiteral("enter 0 0"), QStringLiteral("click"), QStringLiteral("leave 0 0")}));
  EXPECT_TRUE(other->calls.isEmpty());
  EXPECT_EQ(WM_STARTTOUR, 0x4A2u);
}
