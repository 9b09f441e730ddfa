// Enumerations and event types shared by the guide components.
#pragma once

#include "Events.h"
#include "Messages.h"

#include <QObject>

namespace guide {
Q_NAMESPACE

enum THighlightType : quint8 { htOptions, htSettings, htCalibration };
Q_ENUM_NS(THighlightType)

enum TJumperState : quint8 { jsOpen, jsLeft, jsRight };
Q_ENUM_NS(TJumperState)

enum TOrientationType : quint8 { otUp, otDown, otLeft, otRight };
Q_ENUM_NS(TOrientationType)
}  // namespace guide

using namespace guide;

// A radio panel's change event: called with the panel as Sender.
using TRadioPanelChangeEvent = TNotifyEvent;

// Sent to a board image to start the guided tour on its First highlight.
constexpr UINT WM_STARTTOUR = WM_USER + 162;
