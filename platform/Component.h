// Components: named objects owned by other components and destroyed with them, and the
// registry of classes that a description may name.
#pragma once

#include "Types.h"

#include <QByteArray>
#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

// Objects with published properties that are not components themselves (fonts, pictures,
// size constraints) derive from TPersistent.
class TPersistent : public QObject {
  Q_OBJECT
 public:
  TPersistent() = default;
  // Copies the other object's published state; the default refuses.
  virtual void Assign(TPersistent* source);
  // Takes a data record from a description: the kind named in the record and its bytes.
  virtual void ReadRecord(const QString& kind, const QByteArray& data);
};

enum TComponentStateFlag { csLoading = 1, csReading = 2, csDesigning = 4, csDestroying = 8 };

class TComponent : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(QString Name READ Name WRITE SetName)
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(index); }
  // The owned component with this name (case-insensitive), or nullptr.
  TComponent* FindComponent(const QString& name) const;

  const QString& Name() const { return FName; }
  // Throws EComponentError for a name that is no identifier or that the owner has already.
  virtual void SetName(const QString& value);
  int Tag() const { return FTag; }
  void SetTag(int value) { FTag = value; }

  unsigned ComponentState() const { return FComponentState; }
  bool IsLoading() const { return FComponentState & csLoading; }
  bool IsDesigning() const { return FComponentState & csDesigning; }
  bool IsDestroying() const { return FComponentState & csDestroying; }
  void SetLoading(bool value);

  QString ClassName() const { return QString::fromLatin1(metaObject()->className()); }
  bool ClassNameIs(const char* name) const;
  bool InheritsFrom(const char* className) const { return inherits(className); }

  // A non-visual component's place in a form designer; kept, with no effect at run time.
  QPoint DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(QPoint value) { FDesignInfo = value; }

  // Runs once the description that built this component has been read completely.
  virtual void Loaded();
  // Places the component under the component of the enclosing description entry
  // (a control into its parent window, a menu item into its menu); others ignore it.
  virtual void SetParentComponent(TComponent* parent);

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

 protected:
  // Destroys the owned components, last first. Derived destructors that must see their
  // owned components gone before they release their own state call it early.
  void DestroyComponents();
  void MarkDestroying() { FComponentState |= csDestroying; }

 private:
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  QString FName;
  int FTag = 0;
  unsigned FComponentState = 0;
  QPoint FDesignInfo;
};

bool IsValidIdent(const QString& ident);

// The classes a description may name. The factory creates a component with the given owner.
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
void RegisterComponentClass(const QMetaObject* meta, TComponentFactory factory);
template <typename T>
void RegisterClass() {
  RegisterComponentClass(&T::staticMetaObject, [](TComponent* owner) { return new T(owner); });
}
struct TRegisteredClass {
  const QMetaObject* meta = nullptr;
  TComponentFactory factory;
};
const TRegisteredClass* FindComponentClass(const QString& className);
