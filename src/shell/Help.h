#pragma once

#include <QString>

// Opens the program's help window, or brings it to the front, at the manual's section with this
// anchor; an empty one is the start of the manual. There is one help window for the program.
void OpenHelp(const QString& section = {});
