#include "shell/Help.h"

#include "controls/HelpSection.h"
#include "shell/HelpWindow.h"

#include <QApplication>
#include <QKeyEvent>
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

// Sees F1 before the window it was pressed in: a window without a shortcut of its own for it
// would drop it.
class HelpKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents))
            return false;
        const QString section = HelpSectionOf(static_cast<QWidget*>(watched));
        if (section.isEmpty())
            return false;
        OpenHelp(section);
        return true;
    }
};

} // namespace

void RouteHelpKey()
{
    static HelpKey* key = nullptr;
    if (!key) {
        key = new HelpKey(qApp);
        qApp->installEventFilter(key);
    }
}

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
