#pragma once

#include <QString>
#include <memory>

enum class MessageIcon {
    None = 0,
    Critical = 1,
    Warning = 2,
    Information = 3,
    Question = 4,
};

// The button sets of the application's message box; the answer is the 1-based position of
// the pressed button, from left to right.
enum class ButtonSet {
    Ok = 1,               // "OK"
    OkCancel = 2,         // "OK" (default), "Annuler" (cancel)
    YesNo = 3,            // "&Oui" (default), "&Non" (cancel)
    YesNoCancel = 4,      // "&Oui" (default), "&Non", "Annuler" (cancel)
    RetryCancel = 5,      // "&Réessayer" (default), "Annuler" (cancel)
    AbortRetryIgnore = 6, // "&Abandon" (default), "&Réessayer", "&Ignorer" (cancel)
};

// Answers of the sets that have them.
inline constexpr int AnswerYes = 1;
inline constexpr int AnswerNo = 2;
inline constexpr int AnswerCancel = 3; // of YesNoCancel

struct Question {
    QString message;
    ButtonSet buttons = ButtonSet::Ok;
    MessageIcon icon = MessageIcon::None;
    // 1-based position of the button that has the keyboard focus; 0 or too large: the default.
    int focusedButton = 0;
    // The box's caption; the application's title when empty.
    QString title = {};
};

// frmBePatient: a small window with the text of a long operation and its progress, shown for
// as long as the object lives.
class WaitingWindow {
public:
    virtual ~WaitingWindow() = default;
    virtual void setProgress(int value) = 0;
};

// What the program tells the user and the questions it asks: the program shows its message
// box, tests answer from a script and record every text shown.
class Messages {
public:
    virtual ~Messages() = default;

    // A notice in the standard message box, titled with the application's title, button OK.
    virtual void tell(const QString& message, MessageIcon icon) = 0;

    // A question in the application's message box; returns the position of the pressed button.
    virtual int ask(const Question& question) = 0;

    // A one-line text prompt titled with the application's title, with no default text.
    // Returns the typed text, or empty text when the user cancels.
    virtual QString promptText(const QString& prompt) = 0;

    // The please-wait window, owned by the main window; it does not block the operation.
    virtual std::unique_ptr<WaitingWindow> showWaiting(const QString& text, int maximum) = 0;
};
