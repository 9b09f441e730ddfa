#include "Reader.h"

#include "Events.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace {

// ---- text

enum class Tok { End, Ident, Integer, Float, String, Symbol };

struct Token {
  Tok kind = Tok::End;
  QString text;      // identifier, string value or symbol
  qint64 integer = 0;
  double real = 0;
  int line = 1;
  int column = 1;
};

struct Position {
  int line = 1;
  int column = 1;
};

// A fault that already names its place; anything else thrown while an entry is applied
// gets the entry's place added.
class EPlacedReadError : public EReadError {
  using EReadError::EReadError;
};

class Fault {
 public:
  Fault(QString source) : FSource(std::move(source)) {}
  [[noreturn]] void At(Position pos, const QString& message) const {
    throw EPlacedReadError(QStringLiteral("%1, line %2, column %3: %4")
                         .arg(FSource)
                         .arg(pos.line)
                         .arg(pos.column)
                         .arg(message));
  }

 private:
  QString FSource;
};

class Lexer {
 public:
  Lexer(const QString& text, const Fault& fault) : FText(text), FFault(fault) {}

  Token Next() {
    SkipSpace();
    Token t;
    t.line = FLine;
    t.column = FColumn;
    if (AtEnd()) return t;
    const QChar c = Peek();
    if (c.isLetter() || c == QLatin1Char('_')) {
      t.kind = Tok::Ident;
      while (!AtEnd() && (Peek().isLetterOrNumber() || Peek() == QLatin1Char('_'))) t.text += Take();
      return t;
    }
    if (c.isDigit() || c == QLatin1Char('$') ||
        ((c == QLatin1Char('-') || c == QLatin1Char('+')) && NextIsNumber())) {
      return Number(t);
    }
    if (c == QLatin1Char('\'') || c == QLatin1Char('#')) return String(t);
    if (QStringLiteral("=:[](),.+").contains(c)) {
      t.kind = Tok::Symbol;
      t.text = Take();
      return t;
    }
    FFault.At({t.line, t.column}, QStringLiteral("unexpected character '%1'").arg(c));
  }

 private:
  bool AtEnd() const { return FPos >= FText.size(); }
  QChar Peek(int ahead = 0) const {
    return FPos + ahead < FText.size() ? FText[FPos + ahead] : QChar();
  }
  QChar Take() {
    const QChar c = FText[FPos++];
    if (c == QLatin1Char('\n')) {
      ++FLine;
      FColumn = 1;
    } else {
      ++FColumn;
    }
    return c;
  }
  bool NextIsNumber() const { return Peek(1).isDigit() || Peek(1) == QLatin1Char('$'); }

  void SkipSpace() {
    while (!AtEnd()) {
      const QChar c = Peek();
      if (c.isSpace()) {
        Take();
      } else if (c == QLatin1Char('/') && Peek(1) == QLatin1Char('/')) {
        while (!AtEnd() && Peek() != QLatin1Char('\n')) Take();
      } else {
        break;
      }
    }
  }

  Token Number(Token t) {
    QString digits;
    bool negative = false;
    if (Peek() == QLatin1Char('-') || Peek() == QLatin1Char('+')) negative = Take() == QLatin1Char('-');
    bool ok = false;
    if (Peek() == QLatin1Char('$')) {
      Take();
      while (!AtEnd() && isxdigit(Peek().toLatin1())) digits += Take();
      t.kind = Tok::Integer;
      t.integer = digits.toLongLong(&ok, 16);
    } else {
      bool real = false;
      while (!AtEnd() && (Peek().isDigit() || (Peek() == QLatin1Char('.') && Peek(1).isDigit()) ||
                          ((Peek() == QLatin1Char('e') || Peek() == QLatin1Char('E')) && real))) {
        if (Peek() == QLatin1Char('.')) real = true;
        digits += Take();
      }
      if (real) {
        t.kind = Tok::Float;
        t.real = digits.toDouble(&ok);
      } else {
        t.kind = Tok::Integer;
        t.integer = digits.toLongLong(&ok);
      }
    }
    if (!ok || digits.isEmpty() || t.integer > 0xFFFFFFFFLL) {
      FFault.At({t.line, t.column}, QStringLiteral("invalid number"));
    }
    if (negative) {
      t.integer = -t.integer;
      t.real = -t.real;
    }
    return t;
  }

  // 'text' with '' for a quote, #n for the character with code n, pieces side by side.
  Token String(Token t) {
    t.kind = Tok::String;
    while (!AtEnd()) {
      if (Peek() == QLatin1Char('\'')) {
        const Position start{FLine, FColumn};
        Take();
        for (;;) {
          if (AtEnd() || Peek() == QLatin1Char('\n')) FFault.At(start, QStringLiteral("unterminated string"));
          const QChar c = Take();
          if (c == QLatin1Char('\'')) {
            if (Peek() == QLatin1Char('\'')) {
              t.text += Take();
              continue;
            }
            break;
          }
          t.text += c;
        }
      } else if (Peek() == QLatin1Char('#')) {
        const Position start{FLine, FColumn};
        Take();
        QString digits;
        const bool hex = Peek() == QLatin1Char('$');
        if (hex) Take();
        while (!AtEnd() && (hex ? isxdigit(Peek().toLatin1()) != 0 : Peek().isDigit())) digits += Take();
        bool ok = false;
        const uint code = digits.toUInt(&ok, hex ? 16 : 10);
        if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
          FFault.At(start, QStringLiteral("invalid character code"));
        }
        const char32_t ch = code;
        t.text += QString::fromUcs4(&ch, 1);
      } else {
        break;
      }
    }
    return t;
  }

  const QString& FText;
  const Fault& FFault;
  int FPos = 0;
  int FLine = 1;
  int FColumn = 1;
};

// ---- tree

enum class ValueKind { Integer, Float, String, Ident, Set, List, Record };

struct Value {
  ValueKind kind = ValueKind::Integer;
  Position pos;
  qint64 integer = 0;
  double real = 0;
  QString text;         // string, identifier, record's class
  QStringList items;    // set members, list strings
  QString file;         // record's file
};

struct Property {
  QStringList path;
  Position pos;
  Value value;
};

struct Entry {
  QString name;
  QString className;
  Position pos;
  Position classPos;
  std::vector<Property> properties;
  std::vector<std::unique_ptr<Entry>> children;
};

class Parser {
 public:
  Parser(const QString& text, const Fault& fault) : FLexer(text, fault), FFault(fault) { Advance(); }

  std::unique_ptr<Entry> ParseFile() {
    auto root = ParseObject();
    if (FTok.kind != Tok::End) FFault.At(Pos(), QStringLiteral("text after the end of the description"));
    return root;
  }

 private:
  void Advance() { FTok = FLexer.Next(); }
  Position Pos() const { return {FTok.line, FTok.column}; }
  bool IsSymbol(const char* s) const { return FTok.kind == Tok::Symbol && FTok.text == QLatin1String(s); }
  bool IsKeyword(const char* s) const {
    return FTok.kind == Tok::Ident && FTok.text.compare(QLatin1String(s), Qt::CaseInsensitive) == 0;
  }
  QString Describe() const {
    switch (FTok.kind) {
      case Tok::End: return QStringLiteral("the end of the text");
      case Tok::String: return QStringLiteral("a string");
      case Tok::Integer:
      case Tok::Float: return QStringLiteral("a number");
      default: return QStringLiteral("'%1'").arg(FTok.text);
    }
  }
  void ExpectSymbol(const char* s) {
    if (!IsSymbol(s)) FFault.At(Pos(), QStringLiteral("'%1' expected but %2 found").arg(QLatin1String(s), Describe()));
    Advance();
  }
  QString ExpectIdent(const QString& what) {
    if (FTok.kind != Tok::Ident) FFault.At(Pos(), QStringLiteral("%1 expected but %2 found").arg(what, Describe()));
    QString text = FTok.text;
    Advance();
    return text;
  }

  std::unique_ptr<Entry> ParseObject() {
    if (!IsKeyword("object")) FFault.At(Pos(), QStringLiteral("'object' expected but %1 found").arg(Describe()));
    auto entry = std::make_unique<Entry>();
    entry->pos = Pos();
    Advance();
    entry->name = ExpectIdent(QStringLiteral("a component name"));
    ExpectSymbol(":");
    entry->classPos = Pos();
    entry->className = ExpectIdent(QStringLiteral("a class name"));
    for (;;) {
      if (IsKeyword("end")) {
        Advance();
        return entry;
      }
      if (IsKeyword("object")) {
        entry->children.push_back(ParseObject());
        continue;
      }
      if (FTok.kind != Tok::Ident) {
        FFault.At(Pos(), QStringLiteral("a property, 'object' or 'end' expected but %1 found").arg(Describe()));
      }
      if (!entry->children.empty()) {
        FFault.At(Pos(), QStringLiteral("property %1 after a child object: properties come first").arg(FTok.text));
      }
      entry->properties.push_back(ParseProperty());
    }
  }

  Property ParseProperty() {
    Property p;
    p.pos = Pos();
    p.path << ExpectIdent(QStringLiteral("a property name"));
    while (IsSymbol(".")) {
      Advance();
      p.path << ExpectIdent(QStringLiteral("a property name"));
    }
    ExpectSymbol("=");
    p.value = ParseValue();
    return p;
  }

  Value ParseValue() {
    Value v;
    v.pos = Pos();
    switch (FTok.kind) {
      case Tok::Integer:
        v.kind = ValueKind::Integer;
        v.integer = FTok.integer;
        Advance();
        return v;
      case Tok::Float:
        v.kind = ValueKind::Float;
        v.real = FTok.real;
        Advance();
        return v;
      case Tok::String:
        v.kind = ValueKind::String;
        v.text = ParseStringExpr();
        return v;
      case Tok::Ident: {
        if (IsKeyword("end") || IsKeyword("object")) break;
        v.kind = ValueKind::Ident;
        v.text = FTok.text;
        Advance();
        if (IsKeyword("from")) {
          Advance();
          if (FTok.kind != Tok::String) FFault.At(Pos(), QStringLiteral("a file name expected after 'from'"));
          v.kind = ValueKind::Record;
          v.file = FTok.text;
          Advance();
        }
        return v;
      }
      case Tok::Symbol:
        if (IsSymbol("[")) {
          v.kind = ValueKind::Set;
          Advance();
          while (!IsSymbol("]")) {
            v.items << ExpectIdent(QStringLiteral("a set member"));
            if (!IsSymbol(",")) break;
            Advance();
          }
          ExpectSymbol("]");
          return v;
        }
        if (IsSymbol("(")) {
          v.kind = ValueKind::List;
          Advance();
          while (!IsSymbol(")")) {
            if (FTok.kind != Tok::String) FFault.At(Pos(), QStringLiteral("a string or ')' expected but %1 found").arg(Describe()));
            v.items << ParseStringExpr();
          }
          Advance();
          return v;
        }
        break;
      default: break;
    }
    FFault.At(Pos(), QStringLiteral("a value expected but %1 found").arg(Describe()));
  }

  QString ParseStringExpr() {
    QString text = FTok.text;
    Advance();
    while (IsSymbol("+")) {
      Advance();
      if (FTok.kind != Tok::String) FFault.At(Pos(), QStringLiteral("a string expected after '+'"));
      text += FTok.text;
      Advance();
    }
    return text;
  }

  Lexer FLexer;
  const Fault& FFault;
  Token FTok;
};

// ---- loading

struct Fixup {
  QObject* target;
  QMetaProperty property;
  QString name;
  Position pos;
};

QString ValueName(const Value& v) {
  switch (v.kind) {
    case ValueKind::Integer: return QString::number(v.integer);
    case ValueKind::Float: return QString::number(v.real);
    case ValueKind::String: return QStringLiteral("a string");
    case ValueKind::Ident: return v.text;
    case ValueKind::Set: return QStringLiteral("[%1]").arg(v.items.join(QStringLiteral(", ")));
    case ValueKind::List: return QStringLiteral("a string list");
    case ValueKind::Record: return QStringLiteral("a data record");
  }
  return {};
}

bool FindProperty(const QObject* object, const QString& name, QMetaProperty& result) {
  const QMetaObject* meta = object->metaObject();
  for (int i = meta->propertyCount() - 1; i >= 0; --i) {
    const QMetaProperty p = meta->property(i);
    if (QString::fromLatin1(p.name()).compare(name, Qt::CaseInsensitive) == 0) {
      if (!p.isDesignable()) return false;  // not published by this class
      result = p;
      return true;
    }
  }
  return false;
}

bool IsComponentPointer(const QMetaProperty& p) {
  const QMetaObject* pointee = p.metaType().metaObject();
  return (p.metaType().flags() & QMetaType::PointerToQObject) && pointee &&
         pointee->inherits(&TComponent::staticMetaObject);
}

QObject* ReadObjectProperty(const QObject* object, const QMetaProperty& p) {
  if (!(p.metaType().flags() & QMetaType::PointerToQObject)) return nullptr;
  return p.read(object).value<QObject*>();
}

class Loader {
 public:
  Loader(TComponent* root, const Fault& fault, QString baseDir)
      : FRoot(root), FFault(fault), FBaseDir(std::move(baseDir)) {}

  void Load(const Entry& entry) {
    if (entry.className != FRoot->ClassName()) {
      FFault.At(entry.classPos, QStringLiteral("the description is of a %1, not of a %2")
                                    .arg(entry.className, FRoot->ClassName()));
    }
    Guard(entry.pos, [&] { FRoot->SetName(entry.name); });
    FRoot->SetLoading(true);
    FLoaded.push_back(FRoot);
    ApplyProperties(FRoot, entry);
    for (const auto& child : entry.children) LoadChild(*child, FRoot);
    for (const Fixup& f : FFixups) Resolve(f);
    for (TComponent* c : FLoaded) c->Loaded();
  }

 private:
  template <typename F>
  void Guard(Position pos, F&& work) {
    try {
      work();
    } catch (const EPlacedReadError&) {
      throw;
    } catch (const Exception& e) {
      FFault.At(pos, e.Message());
    } catch (const std::exception& e) {
      FFault.At(pos, QString::fromLocal8Bit(e.what()));
    }
  }

  void LoadChild(const Entry& entry, TComponent* parent) {
    const TRegisteredClass* cls = FindComponentClass(entry.className);
    if (!cls) FFault.At(entry.classPos, QStringLiteral("class %1 not found").arg(entry.className));
    TComponent* component = nullptr;
    Guard(entry.pos, [&] { component = cls->factory(FRoot); });
    component->SetLoading(true);
    FLoaded.push_back(component);
    Guard(entry.pos, [&] {
      component->SetName(entry.name);
      BindField(component, entry);
      component->SetParentComponent(parent);
    });
    ApplyProperties(component, entry);
    for (const auto& child : entry.children) LoadChild(*child, component);
  }

  // The root's published field named like the component points to it.
  void BindField(TComponent* component, const Entry& entry) {
    const QMetaObject* meta = FRoot->metaObject();
    const int index = meta->indexOfProperty(entry.name.toLatin1().constData());
    if (index < 0) return;
    const QMetaProperty field = meta->property(index);
    const QMetaObject* pointee = field.metaType().metaObject();
    if (!(field.metaType().flags() & QMetaType::PointerToQObject) || !pointee) return;
    if (!component->metaObject()->inherits(pointee)) {
      FFault.At(entry.classPos, QStringLiteral("field %1 of %2 holds a %3, not a %4")
                                    .arg(entry.name, FRoot->ClassName(), QLatin1String(pointee->className()),
                                         entry.className));
    }
    QObject* pointer = component;
    field.write(FRoot, QVariant(field.metaType(), &pointer));
  }

  void ApplyProperties(TComponent* component, const Entry& entry) {
    for (const Property& p : entry.properties) Guard(p.pos, [&] { Apply(component, p); });
  }

  void Apply(TComponent* component, const Property& p) {
    QObject* object = component;
    for (int i = 0; i + 1 < p.path.size(); ++i) {
      QMetaProperty sub;
      if (!FindProperty(object, p.path[i], sub) || IsComponentPointer(sub) ||
          !(object = ReadObjectProperty(object, sub))) {
        FFault.At(p.pos, QStringLiteral("%1 has no property %2")
                             .arg(QLatin1String(component->metaObject()->className()),
                                  p.path.mid(0, i + 1).join(QLatin1Char('.'))));
      }
    }
    const QString& name = p.path.last();
    QMetaProperty prop;
    if (!FindProperty(object, name, prop)) {
      // A non-visual component's place in the form designer.
      if (object == component && !component->inherits("TControl") && p.path.size() == 1 &&
          (name == QLatin1String("Left") || name == QLatin1String("Top")) && p.value.kind == ValueKind::Integer) {
        QPoint info = component->DesignInfo();
        (name == QLatin1String("Left") ? info.rx() : info.ry()) = static_cast<int>(p.value.integer);
        component->SetDesignInfo(info);
        return;
      }
      FFault.At(p.pos, QStringLiteral("%1 has no property %2")
                           .arg(QLatin1String(component->metaObject()->className()), p.path.join(QLatin1Char('.'))));
    }
    Write(object, prop, p);
  }

  [[noreturn]] void Invalid(const Property& p, const QString& expected) {
    FFault.At(p.value.pos, QStringLiteral("invalid value %1 for property %2: %3 expected")
                               .arg(ValueName(p.value), p.path.join(QLatin1Char('.')), expected));
  }

  void Store(QObject* object, const QMetaProperty& prop, const QVariant& value, const Property& p) {
    if (!prop.isWritable() || !prop.write(object, value)) Invalid(p, QStringLiteral("a writable value"));
  }

  void Write(QObject* object, const QMetaProperty& prop, const Property& p) {
    const Value& v = p.value;
    const QMetaType type = prop.metaType();

    if (const events::Binding* binding = events::FindBinding(type)) {
      if (v.kind != ValueKind::Ident) Invalid(p, QStringLiteral("a handler name"));
      return Store(object, prop, BindHandler(*binding, v, p), p);
    }
    if (v.kind == ValueKind::Record) {
      QObject* target = ReadObjectProperty(object, prop);
      auto* persistent = qobject_cast<TPersistent*>(target);
      if (!persistent || IsComponentPointer(prop)) Invalid(p, QStringLiteral("no data record"));
      const QByteArray data = ReadFile(v);
      Guard(v.pos, [&] { persistent->ReadRecord(v.text, data); });
      return;
    }
    if (IsComponentPointer(prop)) {
      if (v.kind != ValueKind::Ident) Invalid(p, QStringLiteral("a component name"));
      FFixups.push_back(Fixup{object, prop, v.text, v.pos});
      return;
    }
    if (prop.isFlagType()) {
      if (v.kind != ValueKind::Set) Invalid(p, QStringLiteral("a set"));
      const QMetaEnum e = prop.enumerator();
      int bits = 0;
      for (const QString& item : v.items) {
        const int bit = e.keyToValue(item.toLatin1().constData());
        if (bit < 0) Invalid(p, QStringLiteral("members of %1").arg(QLatin1String(e.enumName())));
        bits |= bit;
      }
      return Store(object, prop, QVariant(type, &bits), p);
    }
    if (prop.isEnumType()) {
      const QMetaEnum e = prop.enumerator();
      if (v.kind != ValueKind::Ident) Invalid(p, QStringLiteral("a value of %1").arg(QLatin1String(e.enumName())));
      bool ok = false;
      int value = e.keyToValue(v.text.toLatin1().constData(), &ok);
      if (!ok) Invalid(p, QStringLiteral("a value of %1").arg(QLatin1String(e.enumName())));
      return Store(object, prop, QVariant(type, &value), p);
    }
    switch (type.id()) {
      case QMetaType::Bool:
        if (v.kind == ValueKind::Ident && v.text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
          return Store(object, prop, true, p);
        }
        if (v.kind == ValueKind::Ident && v.text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
          return Store(object, prop, false, p);
        }
        Invalid(p, QStringLiteral("True or False"));
      case QMetaType::Int: {
        int value = 0;
        // Unsigned 32-bit values such as $80000000 + n (system colours) wrap as stored.
        if (v.kind == ValueKind::Integer && v.integer >= -0x80000000LL && v.integer <= 0xFFFFFFFFLL) {
          value = static_cast<int>(static_cast<std::uint32_t>(v.integer));
        } else if (v.kind != ValueKind::Ident || !IdentToInt(v.text, value)) {
          Invalid(p, QStringLiteral("an integer"));
        }
        return Store(object, prop, value, p);
      }
      case QMetaType::Double:
        if (v.kind == ValueKind::Integer) return Store(object, prop, static_cast<double>(v.integer), p);
        if (v.kind == ValueKind::Float) return Store(object, prop, v.real, p);
        Invalid(p, QStringLiteral("a number"));
      case QMetaType::QString:
        if (v.kind != ValueKind::String) Invalid(p, QStringLiteral("a string"));
        return Store(object, prop, v.text, p);
      case QMetaType::QStringList:
        if (v.kind != ValueKind::List) Invalid(p, QStringLiteral("a string list"));
        return Store(object, prop, v.items, p);
      default: break;
    }
    Invalid(p, QStringLiteral("a sub-property (%1 cannot be set as a whole)").arg(QLatin1String(prop.name())));
  }

  QVariant BindHandler(const events::Binding& binding, const Value& v, const Property& p) {
    const QMetaObject* meta = FRoot->metaObject();
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
      const QMetaMethod m = meta->method(i);
      if (m.methodType() != QMetaMethod::Slot || m.access() != QMetaMethod::Public) continue;
      if (QString::fromLatin1(m.name()).compare(v.text, Qt::CaseInsensitive) != 0) continue;
      if (m.parameterTypes() != binding.parameterTypes) {
        FFault.At(v.pos, QStringLiteral("handler %1 of %2 does not fit %3: it must take (%4)")
                             .arg(v.text, FRoot->ClassName(), p.path.join(QLatin1Char('.')),
                                  QString::fromLatin1(binding.parameterTypes.join(", "))));
      }
      return binding.make(FRoot, i, QString::fromLatin1(m.name()));
    }
    FFault.At(v.pos, QStringLiteral("%1 has no handler %2").arg(FRoot->ClassName(), v.text));
  }

  QByteArray ReadFile(const Value& v) {
    // Only plain file names beside the description: never a path that leaves its folder.
    const QString& name = v.file;
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QLatin1String(".") || name == QLatin1String("..")) {
      FFault.At(v.pos, QStringLiteral("'%1' is no plain file name").arg(name));
    }
    QFile file(FBaseDir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly)) {
      FFault.At(v.pos, QStringLiteral("cannot read the data file '%1': %2").arg(name, file.errorString()));
    }
    return file.readAll();
  }

  void Resolve(const Fixup& f) {
    TComponent* found = f.name.compare(FRoot->Name(), Qt::CaseInsensitive) == 0 ? FRoot : FRoot->FindComponent(f.name);
    if (!found) FFault.At(f.pos, QStringLiteral("component %1 not found").arg(f.name));
    const QMetaObject* pointee = f.property.metaType().metaObject();
    if (!found->metaObject()->inherits(pointee)) {
      FFault.At(f.pos, QStringLiteral("%1 is a %2, but property %3 needs a %4")
                           .arg(f.name, found->ClassName(), QLatin1String(f.property.name()),
                                QLatin1String(pointee->className())));
    }
    QObject* pointer = found;
    Guard(f.pos, [&] {
      if (!f.property.write(f.target, QVariant(f.property.metaType(), &pointer))) {
        FFault.At(f.pos, QStringLiteral("property %1 cannot be set").arg(QLatin1String(f.property.name())));
      }
    });
  }

  TComponent* FRoot;
  const Fault& FFault;
  QString FBaseDir;
  std::vector<TComponent*> FLoaded;
  std::vector<Fixup> FFixups;
};

}  // namespace

void ReadComponentDescription(TComponent* root, const QString& text, const QString& sourceName,
                              const QString& baseDir) {
  const Fault fault(sourceName);
  Parser parser(text, fault);
  const std::unique_ptr<Entry> tree = parser.ParseFile();
  Loader(root, fault, baseDir).Load(*tree);
}

void ReadComponentDescriptionFile(TComponent* root, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw EReadError(QStringLiteral("Cannot read the description %1: %2").arg(path, file.errorString()));
  }
  const QByteArray bytes = file.readAll();
  const QString text = QString::fromUtf8(bytes);
  if (text.toUtf8() != bytes) {
    throw EReadError(QStringLiteral("The description %1 is not valid UTF-8 text").arg(path));
  }
  ReadComponentDescription(root, text, QFileInfo(path).fileName(), QFileInfo(path).absolutePath());
}
