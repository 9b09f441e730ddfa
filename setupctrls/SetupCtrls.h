// The guide components: board image, highlights, radio panels, three-pin jumper and the
// setup supporter.
#pragma once

#include "BoardHighlight.h"
#include "BoardImage.h"
#include "GuideTypes.h"
#include "RadioPanel.h"
#include "SetupSupporter.h"
#include "ThreeJumper.h"

// Makes the guide components, and the standard controls a board description uses,
// known to the description reader by class name.
void RegisterSetupControls();
