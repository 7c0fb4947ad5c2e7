#include "AppInfo.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::Title());
    QApplication::setApplicationVersion(AppInfo::VersionText());
    MainWindow window;
    window.show();
    return QApplication::exec();
}
