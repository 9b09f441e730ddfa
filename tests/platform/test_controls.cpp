#include "ExtCtrls.h"
#include "Forms.h"
#include "TestSupport.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A windowless control that notes what reaches it.
class TProbe : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  QStringList log;
  void Click() override {
    log << QStringLiteral("click");
    TGraphicControl::Click();
  }
  void DblClick() override { log << QStringLiteral("dblclick"); }
  void CMMouseEnter(TMessage& m) override { log << QStringLiteral("enter %1").arg(m.WParam); }
  void CMMouseLeave(TMessage& m) override { log << QStringLiteral("leave %1").arg(m.WParam); }
};

struct Window {
  Window() : form(nullptr) {
    form.SetBounds(0, 0, 400, 300);
    panel = new TPanel(&form);  // owned by the form
    panel->SetParent(&form);
    panel->SetBounds(10, 10, 300, 200);
    lower = new TProbe(&form);
    lower->SetParent(panel);
    lower->SetBounds(20, 20, 100, 100);
    upper = new TProbe(&form);  // later sibling: lies on top
    upper->SetParent(panel);
    upper->SetBounds(60, 60, 100, 100);
    form.Show();
    ProcessEvents();
  }
  QWidget* PanelWindow() const { return panel->NativeWindow(); }
  TForm form;
  TPanel* panel;
  TProbe* lower;
  TProbe* upper;
};
}  // namespace

using ControlsTest = AppTest;

TEST_F(ControlsTest, PointerInputGoesToTheTopmostGraphicChild) {
  Window w;
  QTest::mouseClick(w.PanelWindow(), Qt::LeftButton, {}, QPoint(80, 80));  // both overlap here
  EXPECT_EQ(w.upper->log, QStringList({QStringLiteral("click")}));
  EXPECT_TRUE(w.lower->log.isEmpty());

  QTest::mouseClick(w.PanelWindow(), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(w.lower->log, QStringList({QStringLiteral("click")}));

  // Pressed on one control and released elsewhere: no click.
  QTest::mousePress(w.PanelWindow(), Qt::LeftButton, {}, QPoint(30, 30));
  QTest::mouseRelease(w.PanelWindow(), Qt::LeftButton, {}, QPoint(250, 180));
  EXPECT_EQ(w.lower->log.size(), 1);

  // A disabled control draws but takes no clicks: the one beneath gets them.
  w.upper->SetEnabled(false);
  QTest::mouseClick(w.PanelWindow(), Qt::LeftButton, {}, QPoint(80, 80));
  EXPECT_EQ(w.upper->log.size(), 1);
  EXPECT_EQ(w.lower->log.size(), 2);
}

TEST_F(ControlsTest, ADoubleClickIsOneClickThenADoubleClick) {
  Window w;
  QTest::mouseClick(w.PanelWindow(), Qt::LeftButton, {}, QPoint(150, 150));
  QTest::mouseDClick(w.PanelWindow(), Qt::LeftButton, {}, QPoint(150, 150));
  EXPECT_EQ(w.upper->log, QStringList({QStringLiteral("click"), QStringLiteral("dblclick")}));
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowThePointer) {
  Window w;
  QTest::mouseMove(w.PanelWindow(), QPoint(30, 30));
  QTest::mouseMove(w.PanelWindow(), QPoint(150, 150));
  QTest::mouseMove(w.PanelWindow(), QPoint(250, 30));
  EXPECT_EQ(w.lower->log, QStringList({QStringLiteral("enter 0"), QStringLiteral("leave 0")}));
  EXPECT_EQ(w.upper->log, QStringList({QStringLiteral("enter 0"), QStringLiteral("leave 0")}));
  EXPECT_EQ(MouseControl(), w.panel);
}

TEST_F(ControlsTest, AnExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
  Window w;
  w.upper->SetOnClick(TNotifyEvent([](TObject*) { throw EComponentError(QStringLiteral("The handler failed")); }));
  QTest::mouseClick(w.PanelWindow(), Qt::LeftButton, {}, QPoint(150, 150));
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(boxes->Boxes()[0].text, QStringLiteral("The handler failed."));
  EXPECT_EQ(boxes->Boxes()[0].flags, MB_OK | MB_ICONSTOP);
  QTest::mouseClick(w.PanelWindow(), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(w.lower->log, QStringList({QStringLiteral("click")}));
}

TEST_F(ControlsTest, ClosingTheMainFormFromItsFrameEndsTheProgramOthersHide) {
  TForm* main = app->CreateForm<TForm>();
  TForm* other = app->CreateForm<TForm>();
  main->Show();
  other->Show();
  ProcessEvents();
  other->Frame()->close();  // the window system's close request
  EXPECT_FALSE(other->Visible());
  EXPECT_FALSE(app->Terminated());
  main->Frame()->close();
  EXPECT_TRUE(app->Terminated());
  EXPECT_EQ(Screen->FormCount(), 2) << "closed forms stay until their owner goes";
}

TEST_F(ControlsTest, OwnerAndParentAreSeparateAndEitherMayGoFirst) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* panel = new TPanel(form.get());  // owned by the form
  panel->SetParent(form.get());
  auto* probe = new TProbe(form.get());
  probe->SetParent(panel);
  delete panel;  // the parent takes its children with it; the owner forgets them
  EXPECT_EQ(form->ComponentCount(), 0);

  auto* label = new TProbe(form.get());
  label->SetParent(form.get());
  delete label;  // a child going first leaves its parent
  EXPECT_EQ(form->ControlCount(), 0);
}
