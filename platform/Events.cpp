#include "Events.h"

#include <QHash>

namespace events {
namespace {
QHash<int, Binding>& Bindings() {
  static QHash<int, Binding> bindings;
  return bindings;
}

// The event types that the layer itself publishes.
const bool builtIns = [] {
  RegisterEventType<TObject*>({"TObject*"});
  RegisterEventType<TObject*, TMouseButton, TShiftState, int, int>(
      {"TObject*", "TMouseButton", "TShiftState", "int", "int"});
  RegisterEventType<TObject*, TShiftState, int, int>({"TObject*", "TShiftState", "int", "int"});
  RegisterEventType<TObject*, TCloseAction&>({"TObject*", "TCloseAction&"});
  return true;
}();
}  // namespace

void RegisterBinding(QMetaType eventType, Binding binding) {
  Bindings().insert(eventType.id(), std::move(binding));
}

const Binding* FindBinding(QMetaType eventType) {
  (void)builtIns;
  auto it = Bindings().constFind(eventType.id());
  return it == Bindings().constEnd() ? nullptr : &it.value();
}

}  // namespace events
