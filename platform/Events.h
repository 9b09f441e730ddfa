// Events: a handler together with the object it is called on. An unassigned event is
// skipped when raised. Descriptions bind events by handler name to published slots of
// the form being read; the reader learns each event type's handler signature here.
#pragma once

#include "Types.h"

#include <QByteArrayList>
#include <QMetaType>
#include <QPointer>
#include <QVariant>

#include <functional>

template <typename... Args>
class TEvent {
 public:
  using Handler = std::function<void(Args...)>;

  TEvent() = default;
  // Data is the object the handler belongs to; Name the handler's published name, if any.
  TEvent(Handler code, QObject* data = nullptr, QString name = {})
      : FCode(std::move(code)), FData(data), FName(std::move(name)) {}

  bool Assigned() const { return static_cast<bool>(FCode); }
  explicit operator bool() const { return Assigned(); }
  void operator()(Args... args) const {
    if (FCode) FCode(args...);
  }
  QObject* Data() const { return FData; }
  const QString& Name() const { return FName; }

  friend bool operator==(const TEvent& a, const TEvent& b) {
    return a.Assigned() == b.Assigned() && a.FData == b.FData && a.FName == b.FName;
  }

 private:
  Handler FCode;
  QObject* FData = nullptr;
  QString FName;
};

using TNotifyEvent = TEvent<TObject*>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TIdleEvent = TEvent<TObject*, bool&>;

Q_DECLARE_METATYPE(TNotifyEvent)
Q_DECLARE_METATYPE(TMouseEvent)
Q_DECLARE_METATYPE(TMouseMoveEvent)
Q_DECLARE_METATYPE(TCloseEvent)

namespace events {

// How the reader binds a handler name to an event property of one type.
struct Binding {
  QByteArrayList parameterTypes;  // as the handler slot declares them, e.g. "TObject*"
  std::function<QVariant(QObject* target, int methodIndex, const QString& name)> make;
};

void RegisterBinding(QMetaType eventType, Binding binding);
const Binding* FindBinding(QMetaType eventType);

// Calls a slot of target directly through the meta-object, bypassing any type checks
// (the reader checked the signature when it bound the handler).
template <typename... Args>
void InvokeSlot(QObject* target, int methodIndex, Args&... args) {
  void* argv[] = {nullptr, const_cast<void*>(static_cast<const void*>(&args))...};
  target->qt_metacall(QMetaObject::InvokeMetaMethod, methodIndex, argv);
}

// Registers an event type whose handlers are slots with the given parameter type names.
template <typename... Args>
void RegisterEventType(QByteArrayList parameterTypes) {
  RegisterBinding(QMetaType::fromType<TEvent<Args...>>(),
                  Binding{std::move(parameterTypes),
                          [](QObject* target, int methodIndex, const QString& name) {
                            QPointer<QObject> guard(target);
                            return QVariant::fromValue(TEvent<Args...>(
                                [guard, methodIndex](Args... args) {
                                  if (guard) InvokeSlot(guard.data(), methodIndex, args...);
                                },
                                target, name));
                          }});
}

}  // namespace events
