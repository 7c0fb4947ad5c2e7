#include "session/SessionManager.h"
#include "shell/MainWindow.h"
#include "shell/ProgramIcon.h"
#include "shell/WindowArrangement.h"
#include "store/AppInfo.h"
#include "store/ProgramLocale.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::Title());
    QApplication::setApplicationVersion(AppInfo::VersionText());
    UseProgramLocale();
    // Every window, dialogs and roster windows alike, shows the program's icon, not Qt's.
    QApplication::setWindowIcon(ProgramIcon());

    // Qt's own dialogs (file choosers, standard buttons) in French.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    MainWindow window;
    ShowAtStoredPlace(window);
    window.sessions().reopenAbandonedRosters();
    return QApplication::exec();
}
