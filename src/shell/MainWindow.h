#pragma once

#include <QMainWindow>
#include <memory>

class Interaction;
class QLabel;
class QMdiArea;
class QMenu;
class RosterSession;
class RosterWindow;
class SessionManager;

// frmMain: the program's frame. It shows each open roster in a roster window, hosts the status
// bar they write to and the menus, and keeps its own placement in the settings store; opening,
// new rosters, recovery and closing them all are its session manager's.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Without an interaction the program's real dialogs are used.
    explicit MainWindow(Interaction* ui = nullptr);
    ~MainWindow() override;

    SessionManager& sessions() const { return *sessions_; }
    // "&Nouveau tour de garde": the generation wizard, then the roster it made.
    void newGeneratedRoster();

    QList<RosterWindow*> rosterWindows() const;
    RosterWindow* activeRosterWindow() const;
    QString statusText(int panel) const;

    // Child window arrangement, by the codes of the "F&enêtre" entries: 0 cascade, 1 tile
    // horizontally, 2 tile vertically, 3 line up the minimised windows.
    void arrange(int code);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addRosterWindow(std::unique_ptr<RosterSession> session);
    void rebuildMenus();
    void fillFileMenu(RosterWindow* active);
    // The arrangements, then the roster windows.
    void fillWindowMenu();
    void showStatusOf(RosterWindow* window);

    std::unique_ptr<Interaction> ownUi_;
    Interaction* ui_;
    std::unique_ptr<SessionManager> sessions_;
    QMdiArea* mdiArea_;
    QLabel* statusPanels_[4];
    QMenu* fileMenu_;
    QMenu* windowMenu_;
    QMenu* helpMenu_;
};
