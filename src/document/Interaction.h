#pragma once

#include "document/EditDialogs.h"
#include "document/FileDialogs.h"
#include "document/Messages.h"
#include "document/ReportDialogs.h"

// Everything the program says to the user or asks of them: the program shows real dialogs,
// tests answer from a script and record every text shown. A part that needs only one concern
// takes that interface alone.
class Interaction : public Messages,
                    public FileDialogs,
                    public EditDialogs,
                    public ReportDialogs {};
