#pragma once

#include <QString>

enum class MessageIcon {
    None,
    Critical,
    Warning,
    Information,
    Question,
};

// Everything the program says to the user or asks of them goes through here: the program
// shows real dialogs, tests answer from a script and record every text shown.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A notice in the standard message box, titled with the application's title, button OK.
    virtual void tell(const QString& message, MessageIcon icon) = 0;

    // A one-line text prompt titled with the application's title, with no default text.
    // Returns the typed text, or empty text when the user cancels.
    virtual QString promptText(const QString& prompt) = 0;
};
