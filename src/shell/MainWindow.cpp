#include "MainWindow.h"

#include "AboutDialog.h"
#include "AppInfo.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

MainWindow::MainWindow()
    : mdiArea_(new QMdiArea(this)) {
    setWindowTitle(AppInfo::Title());
    setCentralWidget(mdiArea_);
    statusBar();
    buildMenus();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->addAction(QStringLiteral("&Quitter"), this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("A &propos de Rotalis..."), this, &MainWindow::showAbout);
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}
