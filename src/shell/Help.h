#pragma once

#include <QString>

// Opens the program's help window, or brings it to the front, at the manual's section with this
// anchor; an empty one is the start of the manual. There is one help window for the program.
void OpenHelp(const QString& section = {});

// From then on, F1 in a window, or a part of one, that names its section of the manual opens
// the manual there (SetHelpSection). Made once for the program.
void RouteHelpKey();
