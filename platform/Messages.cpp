#include "Messages.h"

#include <QCoreApplication>

QEvent::Type TPostedMessageEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* target = dynamic_cast<IMessageTarget*>(wnd);
  if (!target) return 0;
  TMessage message{msg, wParam, lParam, 0};
  target->DeliverMessage(message);
  return message.Result;
}

bool PostMessageA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!dynamic_cast<IMessageTarget*>(wnd)) return false;
  QCoreApplication::postEvent(wnd, new TPostedMessageEvent(TMessage{msg, wParam, lParam, 0}));
  return true;
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM) { return 0; }

bool DeliverPostedMessage(QObject* receiver, QEvent* event) {
  if (event->type() != TPostedMessageEvent::EventType()) return false;
  if (auto* target = dynamic_cast<IMessageTarget*>(receiver)) {
    target->DeliverMessage(static_cast<TPostedMessageEvent*>(event)->Message);
  }
  return true;
}
