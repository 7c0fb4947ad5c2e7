#pragma once

#include <QMainWindow>

class QMdiArea;

// frmMain: the program's frame, holding the roster windows.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();

private:
    void buildMenus();
    void showAbout();

    QMdiArea* mdiArea_;
};
