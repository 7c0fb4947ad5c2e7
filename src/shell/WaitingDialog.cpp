#include "shell/WaitingDialog.h"

#include "store/AppInfo.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

// Paints the window without letting the user act meanwhile.
void Repaint()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

WaitingDialog::WaitingDialog(const QString& text, int maximum, QWidget* owner)
    : dialog_(new QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint))
    , progress_(new QProgressBar(dialog_))
{
    dialog_->setWindowTitle(AppInfo::Title());
    progress_->setRange(0, maximum);
    progress_->setTextVisible(false);
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(new QLabel(text, dialog_));
    layout->addWidget(progress_);
    dialog_->setMinimumWidth(320);
    dialog_->show();
    Repaint();
}

WaitingDialog::~WaitingDialog()
{
    delete dialog_;
}

void WaitingDialog::setProgress(int value)
{
    if (!progress_ || value == progress_->value())
        return;
    progress_->setValue(value);
    Repaint();
}
