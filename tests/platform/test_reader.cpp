#include "ExtCtrls.h"
#include "Forms.h"
#include "Reader.h"
#include "StdCtrls.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// A form with one published field and handlers of two shapes, for fixture descriptions.
class TFixtureForm : public TForm {
  Q_OBJECT
  Q_PROPERTY(TPanel* Panel1 MEMBER Panel1 DESIGNABLE false)
 public:
  using TForm::TForm;
  TPanel* Panel1 = nullptr;
  QStringList calls;
 public slots:
  void SomethingClick(TObject* Sender) { calls << QStringLiteral("click:") + Sender->objectName(); }
  void WrongShape(int) {}
};

namespace {
void Read(TComponent* root, const QString& text, const QString& dir = QDir::tempPath()) {
  ReadComponentDescription(root, text, QStringLiteral("fixture.form"), dir);
}

std::string ReadError(const QString& text, const QString& dir = QDir::tempPath()) {
  TFixtureForm form(nullptr);
  try {
    Read(&form, text, dir);
  } catch (const EReadError& e) {
    return e.Message().toStdString();
  }
  return "no error";
}
}  // namespace

TEST(Reader, ReadsEveryKindOfValue) {
  RegisterClass<TPanel>();
  RegisterClass<TLabel>();
  TFixtureForm form(nullptr);
  Read(&form, QStringLiteral(R"(// a comment
object Fixture: TFixtureForm
  Caption = 'It''s '#65#$42 + ' joined'
  Color = $00C0FFEE
  Font.Height = -13
  Font.Style = [fsBold, fsItalic]
  OnCreate = SomethingClick
  object Panel1: TPanel
    Left = -5
    Top = 7
    Anchors = [akLeft, akBottom]
    Align = alTop
    Color = clRed
    BevelOuter = bvLowered
    OnClick = somethingclick
    object Label1: TLabel
      Caption = 'a label'
    end
  end
end
)"));
  EXPECT_EQ(form.Name(), QStringLiteral("Fixture"));
  EXPECT_EQ(form.Caption(), QStringLiteral("It's A") + QChar(0x42) + QStringLiteral(" joined"));
  EXPECT_EQ(form.Color(), 0x00C0FFEE);
  EXPECT_EQ(form.Font()->Height(), -13);
  EXPECT_EQ(form.Font()->Style(), TFontStyles(fsBold) | fsItalic);
  ASSERT_NE(form.Panel1, nullptr) << "the published field is bound by name";
  EXPECT_EQ(form.Panel1->Owner(), &form);
  EXPECT_EQ(form.Panel1->Parent(), &form);
  EXPECT_EQ(form.Panel1->Left(), -5);
  EXPECT_EQ(form.Panel1->Anchors(), TAnchors(akLeft) | akBottom);
  EXPECT_EQ(form.Panel1->Align(), alTop);
  EXPECT_EQ(form.Panel1->Color(), clRed);
  EXPECT_EQ(form.Panel1->BevelOuter(), bvLowered);
  EXPECT_FALSE(form.Panel1->IsLoading()) << "Loaded ran";
  auto* label = qobject_cast<TLabel*>(form.FindComponent(QStringLiteral("Label1")));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), form.Panel1);
  EXPECT_EQ(label->Owner(), &form);

  EXPECT_EQ(form.Panel1->OnClick().Name(), QStringLiteral("SomethingClick"));
  EXPECT_EQ(form.Panel1->OnClick().Data(), &form);
  form.Panel1->Click();
  form.AfterConstruction();
  EXPECT_EQ(form.calls, QStringList({QStringLiteral("click:Panel1"), QStringLiteral("click:Fixture")}));
}

TEST(Reader, ReportsEachFaultWithItsPlace) {
  RegisterClass<TPanel>();
  const QString head = QStringLiteral("object Fixture: TFixtureForm\n");
  const struct {
    const char* name;
    QString text;
    const char* expected;
  } cases[] = {
      {"unknown class", head + "  object P: TNoSuchPanel\n  end\nend\n", "line 2, column 13: class TNoSuchPanel not found"},
      {"unknown property", head + "  Colour = clRed\nend\n", "line 2, column 3: TFixtureForm has no property Colour"},
      {"unpublished property", head + "  object I: TBoardImage\n    Color = clRed\n  end\nend\n", "line 3, column 5: TBoardImage has no property Color"},
      {"bad enumeration", head + "  WindowState = wsHuge\nend\n", "line 2, column 17: invalid value wsHuge for property WindowState"},
      {"bad set member", head + "  Font.Style = [fsBold, fsShiny]\nend\n", "line 2, column 16: invalid value [fsBold, fsShiny]"},
      {"string for integer", head + "  Left = 'ten'\nend\n", "line 2, column 10: invalid value a string for property Left: an integer expected"},
      {"unknown colour", head + "  Color = clSunset\nend\n", "line 2, column 11: invalid value clSunset"},
      {"missing value", head + "  Left =\nend\n", "line 3, column 1: a value expected but 'end' found"},
      {"unterminated string", head + "  Caption = 'open\nend\n", "line 2, column 13: unterminated string"},
      {"missing end", head + "  Left = 1\n", "line 3, column 1: a property, 'object' or 'end' expected but the end of the text found"},
      {"text after end", head + "end\nend\n", "line 3, column 1: text after the end of the description"},
      {"property after child", head + "  object P: TPanel\n  end\n  Left = 1\nend\n", "line 4, column 3: property Left after a child object"},
      {"wrong root class", QStringLiteral("object Fixture: TOtherForm\nend\n"), "line 1, column 17: the description is of a TOtherForm, not of a TFixtureForm"},
      {"duplicate name", head + "  object P: TPanel\n  end\n  object P: TPanel\n  end\nend\n", "line 4, column 3: A component named P already exists"},
      {"invalid name", head + "  object 9P: TPanel\n  end\nend\n", "line 2, column 10: a component name expected but a number found"},
      {"unresolved reference", head + "  Menu = NoMenu\nend\n", "line 2, column 10: component NoMenu not found"},
      {"reference of the wrong class", head + "  Menu = P\n  object P: TPanel\n  end\nend\n", "line 2, column 10: P is a TPanel, but property Menu needs a TMainMenu"},
      {"unknown handler", head + "  OnCreate = NoSuchClick\nend\n", "line 2, column 14: TFixtureForm has no handler NoSuchClick"},
      {"handler of the wrong shape", head + "  OnCreate = WrongShape\nend\n", "line 2, column 14: handler WrongShape of TFixtureForm does not fit OnCreate"},
      {"field of the wrong class", head + "  object Panel1: TLabel\n  end\nend\n", "line 2, column 18: field Panel1 of TFixtureForm holds a TPanel, not a TLabel"},
      {"control outside a window", head + "  object M: TMainMenu\n    object P: TPanel\n    end\n  end\nend\n", "line 3, column 5: Control P cannot be placed on M"},
      {"record on a plain property", head + "  Caption = TJPEGImage from 'board.jpg'\nend\n", "line 2, column 13: invalid value a data record"},
      {"record leaving its folder", head + "  object I: TBoardImage\n    Picture = TJPEGImage from '../board.jpg'\n  end\nend\n", "line 3, column 15: '../board.jpg' is no plain file name"},
      {"missing record file", head + "  object I: TBoardImage\n    Picture = TJPEGImage from 'none.jpg'\n  end\nend\n", "line 3, column 15: cannot read the data file 'none.jpg'"},
  };
  RegisterClass<TMainMenu>();
  for (const auto& c : cases) {
    const std::string error = ReadError(c.text);
    EXPECT_NE(error.find(std::string("fixture.form, ") + c.expected), std::string::npos)
        << c.name << "\n  got: " << error;
  }
}

TEST(Reader, ReferencesResolveAfterTheWholeTextAndLoadedRunsLast) {
  RegisterClass<TMainMenu>();
  TFixtureForm form(nullptr);
  Read(&form, QStringLiteral("object Fixture: TFixtureForm\n  Menu = LateMenu\n  object LateMenu: TMainMenu\n  end\nend\n"));
  ASSERT_NE(form.Menu(), nullptr);
  EXPECT_EQ(form.Menu()->Name(), QStringLiteral("LateMenu"));
  EXPECT_FALSE(form.IsLoading());
}

TEST(Reader, AFailedReadLeavesNothingBehind) {
  RegisterClass<TPanel>();
  TFixtureForm form(nullptr);
  EXPECT_THROW(Read(&form, QStringLiteral("object Fixture: TFixtureForm\n  object A: TPanel\n  end\n  object B: TNoSuch\n  end\nend\n")),
               EReadError);
  // What was built belongs to the form and goes with it; nothing was shown.
  EXPECT_EQ(form.ComponentCount(), 1);
  EXPECT_FALSE(form.Showing());
}

#include "test_reader.moc"
