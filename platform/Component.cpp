#include "Component.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

void TPersistent::Assign(TPersistent* source) {
  throw EComponentError(QStringLiteral("Cannot assign a %1 to a %2")
                            .arg(source ? source->metaObject()->className() : "nil",
                                 metaObject()->className()));
}

void TPersistent::ReadRecord(const QString& kind, const QByteArray&) {
  throw EReadError(QStringLiteral("A %1 takes no data record (%2)")
                       .arg(metaObject()->className(), kind));
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  FComponentState |= csDestroying;
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  // Each destroyed component takes itself out of the list.
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  component->FOwner = this;
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  component->FOwner = nullptr;
}

TComponent* TComponent::FindComponent(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  for (TComponent* c : FComponents) {
    if (c->FName.compare(name, Qt::CaseInsensitive) == 0) return c;
  }
  return nullptr;
}

bool IsValidIdent(const QString& ident) {
  static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return re.match(ident).hasMatch();
}

void TComponent::SetName(const QString& value) {
  if (value == FName) return;
  if (!value.isEmpty() && !IsValidIdent(value)) {
    throw EComponentError(QStringLiteral("'%1' is not a valid component name").arg(value));
  }
  if (FOwner && !value.isEmpty()) {
    TComponent* other = FOwner->FindComponent(value);
    if (other && other != this) {
      throw EComponentError(QStringLiteral("A component named %1 already exists").arg(value));
    }
  }
  FName = value;
  setObjectName(value);
}

void TComponent::SetLoading(bool value) {
  if (value) {
    FComponentState |= csLoading | csReading;
  } else {
    FComponentState &= ~(csLoading | csReading);
  }
}

bool TComponent::ClassNameIs(const char* name) const {
  return qstrcmp(metaObject()->className(), name) == 0;
}

void TComponent::Loaded() { SetLoading(false); }

void TComponent::SetParentComponent(TComponent*) {}

namespace {
QHash<QString, TRegisteredClass>& ClassRegistry() {
  static QHash<QString, TRegisteredClass> registry;
  return registry;
}
}  // namespace

void RegisterComponentClass(const QMetaObject* meta, TComponentFactory factory) {
  ClassRegistry().insert(QString::fromLatin1(meta->className()),
                         TRegisteredClass{meta, std::move(factory)});
}

const TRegisteredClass* FindComponentClass(const QString& className) {
  auto it = ClassRegistry().constFind(className);
  return it == ClassRegistry().constEnd() ? nullptr : &it.value();
}
