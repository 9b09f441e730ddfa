// The program's start and run, apart from main so that tests can run it on a damaged
// description.
#pragma once

#include <QString>

// Registers the component classes, builds the main window from the description at path
// and runs the message loop. Returns the exit code: 0 after a normal end; 1 when the
// description cannot be read, after reporting the fault on standard error and in a
// message box, before any window is shown.
int RunSettings(const QString& descriptionPath);
