#include "shell/Help.h"

#include "shell/HelpWindow.h"

#include <QApplication>
#include <QPointer>

namespace {

// Made at the first request and kept, with its history, until the program ends.
HelpWindow& SharedHelpWindow()
{
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow;
        // The program ends with its main window, whether the help is open or not.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    }
    return *window;
}

} // namespace

void OpenHelp(const QString& section)
{
    HelpWindow& window = SharedHelpWindow();
    window.showSection(section);
    // A dialog in progress (the wizard, a question) blocks every other window: the help opens
    // above it, as modal as it is, so that it can be read before answering.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != &window) {
        window.hide();
        window.setWindowModality(Qt::ApplicationModal);
    } else if (!window.isVisible()) {
        window.setWindowModality(Qt::NonModal);
    }
    window.show();
    // A minimised help comes back as it was left, maximised or not.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}
