// Window messages: numbers, the message record, and synchronous and queued delivery to
// anything that has a window procedure (a windowed control or a hidden message window).
#pragma once

#include <QEvent>
#include <QObject>

#include <cstdint>

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
// A window handle is the Qt object that receives the window's messages.
using HWND = QObject*;

constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_QUERYNEWPALETTE = 0x030F;
constexpr UINT WM_USER = 0x0400;
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;

constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Implemented by every Qt object that stands for a window handle.
class IMessageTarget {
 public:
  virtual ~IMessageTarget() = default;
  virtual void DeliverMessage(TMessage& message) = 0;
};

// The Qt event that carries a posted message through the queue.
class TPostedMessageEvent : public QEvent {
 public:
  static QEvent::Type EventType();
  explicit TPostedMessageEvent(const TMessage& message) : QEvent(EventType()), Message(message) {}
  TMessage Message;
};

// Delivers at once and returns the handler's result; 0 when the handle is no window.
LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message for the window; false when the handle is no window.
bool PostMessageA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Default processing for messages a window procedure does not handle.
LRESULT DefWindowProcA(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Delivers a posted message event to its target; true when the event was one.
bool DeliverPostedMessage(QObject* receiver, QEvent* event);
