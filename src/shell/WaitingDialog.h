#pragma once

#include "document/Messages.h"

#include <QDialog>
#include <QPointer>
#include <QProgressBar>

class QWidget;

// frmBePatient: the text of a long operation and its progress, over the main window, for as
// long as the object lives. It takes no input: the operation runs on.
class WaitingDialog : public WaitingWindow {
public:
    WaitingDialog(const QString& text, int maximum, QWidget* owner);
    ~WaitingDialog() override;
    WaitingDialog(const WaitingDialog&) = delete;
    WaitingDialog& operator=(const WaitingDialog&) = delete;

    void setProgress(int value) override;

private:
    // The window system may close it meanwhile.
    QPointer<QDialog> dialog_;
    QPointer<QProgressBar> progress_;
};
