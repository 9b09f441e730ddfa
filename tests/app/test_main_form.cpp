#include "Jpeg.h"
#include "TestSupport.h"
#include "template.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {
QString ParentName(TComponent* c) {
  if (auto* control = qobject_cast<TControl*>(c)) return control->Parent() ? control->Parent()->Name() : QString();
  if (auto* item = qobject_cast<TMenuItem*>(c)) {
    if (!item->Parent()) return {};
    return item->Parent()->Name().isEmpty() ? QStringLiteral("MainMenu1") : item->Parent()->Name();
  }
  return QStringLiteral("MainForm");  // non-visual components sit on the form
}
}  // namespace

using MainFormTest = AppTest;

TEST_F(MainFormTest, TheWholeDescriptionLoadsInStoredOrder) {
  TMainForm form(nullptr);
  const struct {
    const char* name;
    const char* cls;
    const char* parent;
  } expected[] = {
      {"BoardImage1", "TBoardImage", "MainForm"},       {"PullHighlight", "TBoardHighlight", "BoardImage1"},
      {"USBHighlight", "TBoardHighlight", "BoardImage1"}, {"DataHighlight0", "TBoardHighlight", "BoardImage1"},
      {"DataHighlight1", "TBoardHighlight", "BoardImage1"}, {"DataHighlight", "TBoardHighlight", "BoardImage1"},
      {"LedHighlight", "TBoardHighlight", "BoardImage1"}, {"PullPanel", "TRadioPanel", "MainForm"},
      {"PullJumper", "TThreeJumper", "PullPanel"},       {"Label13", "TLabel", "PullPanel"},
      {"Label14", "TLabel", "PullPanel"},                {"Label4", "TLabel", "PullPanel"},
      {"PullUpRadio", "TRadioButton", "PullPanel"},      {"PullDownRadio", "TRadioButton", "PullPanel"},
      {"PullNoRadio", "TRadioButton", "PullPanel"},      {"USBPanel", "TRadioPanel", "MainForm"},
      {"DataPanel", "TRadioPanel", "MainForm"},          {"LEDPanel", "TRadioPanel", "MainForm"},
      {"MainMenu1", "TMainMenu", "MainForm"},            {"File1", "TMenuItem", "MainMenu1"},
      {"Exit2", "TMenuItem", "File1"},                   {"Help1", "TMenuItem", "MainMenu1"},
      {"Howtousethisprogram1", "TMenuItem", "Help1"},    {"TechnicalSupport1", "TMenuItem", "Help1"},
      {"SetSup", "TSetupSupporter", "MainForm"},
  };
  EXPECT_EQ(form.Name(), QStringLiteral("MainForm"));
  ASSERT_EQ(form.ComponentCount(), 25);
  for (int i = 0; i < 25; ++i) {
    TComponent* c = form.Components(i);
    EXPECT_EQ(c->Name(), QLatin1String(expected[i].name)) << i;
    EXPECT_EQ(c->ClassName(), QLatin1String(expected[i].cls)) << expected[i].name;
    EXPECT_EQ(c->Owner(), &form) << expected[i].name;
    EXPECT_EQ(ParentName(c), QLatin1String(expected[i].parent)) << expected[i].name;
    EXPECT_FALSE(c->IsLoading()) << expected[i].name;
    // Each published field of the window points at its component.
    EXPECT_EQ(form.property(expected[i].name).value<QObject*>(), c) << expected[i].name;
  }
  // Stacking order among siblings is stored order.
  ASSERT_EQ(form.ControlCount(), 5);
  EXPECT_EQ(form.Controls(0), form.BoardImage1);
  EXPECT_EQ(form.Controls(4), form.LEDPanel);
  ASSERT_EQ(form.BoardImage1->ControlCount(), 6);
  EXPECT_EQ(form.BoardImage1->Controls(0), form.PullHighlight);
  EXPECT_EQ(form.BoardImage1->Controls(5), form.LedHighlight);
  EXPECT_EQ(form.PullPanel->Controls(0), form.PullJumper);
  EXPECT_EQ(form.PullPanel->Controls(6), form.PullNoRadio);
}

TEST_F(MainFormTest, WindowAndBoardValues) {
  TMainForm form(nullptr);
  EXPECT_EQ(form.Caption(), QStringLiteral("Setup"));
  EXPECT_EQ(form.Color(), clWhite);
  EXPECT_EQ(form.Align(), alClient);
  EXPECT_EQ(form.WindowState(), wsMaximized);
  EXPECT_EQ(form.Font()->Height(), -11);
  EXPECT_EQ(form.Font()->Name(), QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(form.Font()->Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(form.Menu(), form.MainMenu1);
  EXPECT_EQ(form.PixelsPerInch(), 96);
  EXPECT_EQ(form.TextHeight(), 13);
  EXPECT_FALSE(form.OldCreateOrder());
  EXPECT_EQ(form.OnCreate().Name(), QStringLiteral("FormCreate"));
  EXPECT_FALSE(form.Showing()) << "nothing is shown while the description loads";

  TBoardImage* image = form.BoardImage1;
  EXPECT_EQ(image->BoundsRect(), Bounds(142, 2, 600, 549));
  EXPECT_EQ(image->First(), form.PullHighlight) << "a reference to a later component resolves";
  EXPECT_EQ(image->Menu(), form.MainMenu1);
  EXPECT_TRUE(image->CenterOnForm() && image->Scale() && image->AutoSize());
  EXPECT_EQ(image->Picture()->Width(), 600);
  EXPECT_EQ(image->Picture()->Height(), 549);
  ASSERT_TRUE(qobject_cast<TJPEGImage*>(image->Picture()->Graphic()));
  EXPECT_TRUE(static_cast<TJPEGImage*>(image->Picture()->Graphic())->Progressive());

  const struct {
    TBoardHighlight* h;
    TRect bounds;
    THighlightType type;
    TRadioPanel* panel;
    const char* title;
  } highlights[] = {
      {form.PullHighlight, Bounds(152, 160, 449, 33), htSettings, form.PullPanel, "&Pull-Up Configuration"},
      {form.USBHighlight, Bounds(0, 200, 109, 81), htOptions, form.USBPanel, "&USB Connector"},
      {form.DataHighlight0, Bounds(112, 0, 441, 57), htOptions, form.DataPanel, "&Digital Connector"},
      {form.DataHighlight1, Bounds(112, 56, 441, 57), htOptions, form.DataPanel, "&Digital Connector"},
      {form.DataHighlight, Bounds(112, 491, 441, 57), htOptions, form.DataPanel, "&Digital Connector"},
      {form.LedHighlight, Bounds(0, 109, 101, 26), htOptions, form.LEDPanel, "&LED Light"},
  };
  for (const auto& e : highlights) {
    EXPECT_EQ(e.h->BoundsRect(), e.bounds) << e.title;
    EXPECT_EQ(e.h->HighlightType(), e.type) << e.title;
    EXPECT_EQ(e.h->RadioPanel(), e.panel) << e.title;
    EXPECT_EQ(e.h->Title(), QLatin1String(e.title));
    EXPECT_TRUE(e.h->CreatePopup());
  }
}

TEST_F(MainFormTest, RadioPanelsJumperAndMenuValues) {
  TMainForm form(nullptr);
  const struct {
    TRadioPanel* p;
    TRect bounds;
    int tabOrder;
    const char* firstWords;
  } panels[] = {
      {form.PullPanel, Bounds(256, 248, 193, 137), 1, "Each port's digital bits can be pulled up or down"},
      {form.USBPanel, Bounds(-128, 320, 242, 9), 2, "The USB connector on this board is a USB type B socket."},
      {form.DataPanel, Bounds(744, 144, 242, 9), 3, "The digital pins are on these 50-pin headers."},
      {form.LEDPanel, Bounds(-72, 96, 193, 9), 4, "The LED indicates power and activity."},
  };
  for (const auto& e : panels) {
    EXPECT_EQ(e.p->BoundsRect(), e.bounds) << e.p->Name().toStdString();
    EXPECT_EQ(e.p->TabOrder(), e.tabOrder);
    EXPECT_EQ(e.p->BevelOuter(), bvNone);
    EXPECT_FALSE(e.p->Visible()) << "no radio panel shows on the main window";
    EXPECT_EQ(e.p->MemoHeight(), 58);
    EXPECT_FALSE(e.p->RadioEnabled());
    EXPECT_EQ(e.p->FinalAnchors(), TAnchors(akLeft) | akTop);
    EXPECT_TRUE(e.p->Caption().isEmpty());
    ASSERT_EQ(e.p->Lines().size(), 1);
    EXPECT_TRUE(e.p->Lines()[0].startsWith(QLatin1String(e.firstWords))) << e.p->Lines()[0].toStdString();
  }
  EXPECT_TRUE(form.PullPanel->Lines()[0].endsWith(QLatin1String("For neither, remove these jumpers.")));

  EXPECT_EQ(form.PullJumper->BoundsRect(), Bounds(75, 23, 43, 18));
  EXPECT_EQ(form.PullJumper->JumperState(), jsLeft);
  EXPECT_EQ(form.PullJumper->Orientation(), otDown);
  EXPECT_TRUE(form.PullJumper->AllowOpen());
  EXPECT_EQ(form.PullJumper->OnClick().Name(), QStringLiteral("PullJumperClick"));
  EXPECT_EQ(form.Label13->Caption(), QStringLiteral("+5V"));
  EXPECT_EQ(form.Label13->Alignment(), taLeftJustify);
  EXPECT_EQ(form.Label14->Alignment(), taRightJustify);
  EXPECT_EQ(form.Label4->Alignment(), taCenter);
  EXPECT_EQ(form.Label4->BoundsRect(), Bounds(72, 5, 49, 17)) << "AutoSize False keeps the stored size";
  EXPECT_TRUE(form.PullUpRadio->Checked());
  EXPECT_FALSE(form.PullDownRadio->Checked() || form.PullNoRadio->Checked());
  EXPECT_EQ(form.PullDownRadio->Caption(), QStringLiteral("Pulled Down"));
  for (TRadioButton* radio : {form.PullUpRadio, form.PullDownRadio, form.PullNoRadio}) {
    EXPECT_EQ(radio->OnClick().Name(), QStringLiteral("PullRadioClick"));
    EXPECT_EQ(radio->OnClick().Data(), &form);
  }

  TMenuItem* bar = form.MainMenu1->Items();
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Items(0)->Caption(), QStringLiteral("&File"));
  EXPECT_EQ(bar->Items(1)->Caption(), QStringLiteral("&Help"));
  ASSERT_EQ(form.File1->Count(), 1);
  EXPECT_EQ(form.Exit2->Caption(), QStringLiteral("&Exit"));
  ASSERT_EQ(form.Help1->Count(), 2);
  EXPECT_EQ(form.Help1->Items(0)->Caption(), QStringLiteral("H&ow to use this program"));
  EXPECT_EQ(form.Help1->Items(1)->Caption(), QStringLiteral("&Technical Support"));
  EXPECT_EQ(form.TechnicalSupport1->OnClick().Name(), QStringLiteral("TechnicalSupport1Click"));
  EXPECT_FALSE(form.File1->OnClick().Assigned());
  EXPECT_EQ(form.MainMenu1->DesignInfo(), QPoint(16, 8));

  TSetupSupporter* s = form.SetSup;
  EXPECT_EQ(s->CompanyName(), QStringLiteral("Quorvel"));
  EXPECT_EQ(s->CardName(), QStringLiteral("QX-8840"));
  EXPECT_EQ(s->CallHow(), QStringLiteral("between 8 am and 5 pm Pacific Time at 1-800-555-0147"));
  EXPECT_TRUE(s->MultiPort());
  EXPECT_EQ(s->Channels(), 4);
  EXPECT_TRUE(s->ChangeButtons());
  EXPECT_FALSE(s->UseCardNameB());
  EXPECT_EQ(s->SeriesSuffix(), QStringLiteral(" Series"));
  EXPECT_EQ(s->DesignInfo(), QPoint(16, 40));
}

TEST_F(MainFormTest, JumperAndRadioButtonsFollowEachOther) {
  TMainForm form(nullptr);
  // The jumper's new state checks its radio button, whose click sets the jumper again.
  const struct {
    TJumperState state;
    TRadioButton* radio;
  } steps[] = {{jsRight, form.PullDownRadio}, {jsOpen, form.PullNoRadio}, {jsLeft, form.PullUpRadio}};
  for (const auto& step : steps) {
    form.PullJumper->SetJumperState(step.state);
    form.PullJumperClick(form.PullJumper);
    EXPECT_TRUE(step.radio->Checked()) << step.radio->Caption().toStdString();
    for (TRadioButton* other : {form.PullUpRadio, form.PullDownRadio, form.PullNoRadio}) {
      if (other != step.radio) {
        EXPECT_FALSE(other->Checked());
      }
    }
    EXPECT_EQ(form.PullJumper->JumperState(), step.state);
  }

  form.PullNoRadio->SetChecked(true);
  EXPECT_EQ(form.PullJumper->JumperState(), jsOpen) << "\"Floating\" opens the jumper";
  form.PullUpRadio->SetChecked(true);
  EXPECT_EQ(form.PullJumper->JumperState(), jsLeft);

  // Checking the checked button again raises no click.
  int clicks = 0;
  form.PullUpRadio->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
  form.PullUpRadio->SetChecked(true);
  EXPECT_EQ(clicks, 0);
}

TEST_F(MainFormTest, CreationHooksTheSupportersOneTimeBuildOnIdle) {
  TMainForm* form = app->CreateForm<TMainForm>();
  EXPECT_EQ(app->MainForm(), form);
  ASSERT_TRUE(app->OnIdle().Assigned());
  EXPECT_EQ(app->OnIdle().Name(), QStringLiteral("AppIdle"));
  EXPECT_EQ(app->OnIdle().Data(), form->SetSup);

  // Before the build, the Help handlers have no windows to show and do nothing.
  form->Howtousethisprogram1->Click();
  form->TechnicalSupport1->Click();

  app->DoIdle();
  EXPECT_TRUE(form->SetSup->WindowsBuilt());
  EXPECT_FALSE(app->OnIdle().Assigned()) << "the build unhooks itself";
  EXPECT_TRUE(boxes->Boxes().empty());
}

TEST_F(MainFormTest, TheRunningLoopBuildsTheSupportersWindowsAtItsFirstIdleMoment) {
  TMainForm* form = app->CreateForm<TMainForm>();
  EXPECT_FALSE(form->SetSup->WindowsBuilt()) << "nothing is built before the loop runs";
  QTimer::singleShot(300, [&] { form->Exit2->Click(); });
  app->Run();
  EXPECT_TRUE(form->SetSup->WindowsBuilt());
  EXPECT_FALSE(app->OnIdle().Assigned());
  EXPECT_EQ(form->BoardImage1->InitialLeft(), 142) << "the window was shown and painted";
  EXPECT_EQ(form->BoardImage1->InitialTop(), 2);
  EXPECT_EQ(form->BoardImage1->Left(), Halved(form->Width() - 600));
  EXPECT_TRUE(boxes->Boxes().empty());
}

TEST_F(MainFormTest, ExitClosesTheMainWindowAndEndsTheProgram) {
  TMainForm* form = app->CreateForm<TMainForm>();
  form->Show();
  ProcessEvents();
  EXPECT_TRUE(form->Showing());
  EXPECT_EQ(form->WindowState(), wsMaximized);
  form->Exit2->Action()->trigger();  // the menu item as the menu bar triggers it
  EXPECT_TRUE(app->Terminated());
  EXPECT_TRUE(boxes->Boxes().empty()) << "no question asked";
}
