#pragma once

#include "store/RecentFiles.h"

#include <QMainWindow>
#include <QMdiArea>
#include <memory>

class Interaction;
class QLabel;
class QMdiSubWindow;
class QMenu;
class RosterDatabase;
class RosterDocument;
class RosterWindow;

// frmMain: the program's frame. It holds the roster windows, hosts the status bar they write
// to, keeps the recent files and its own placement in the settings store.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Without an interaction the program's real dialogs are used.
    explicit MainWindow(Interaction* ui = nullptr);
    ~MainWindow() override;

    // Shows the window where it was when the program last closed.
    void showAtStoredPlace();

    // Opens a roster file in a new roster window through a working copy; an empty path asks
    // for the file first.
    void openRoster(const QString& path);
    // "&Tour de garde vierge": asks the year and opens a new blank roster.
    void newBlankRoster();
    // "&Nouveau tour de garde": the generation wizard, then the roster it made.
    void newGeneratedRoster();
    // At start: offers back the rosters a program that ended without closing them left with
    // unsaved changes.
    void reopenAbandonedRosters();

    QList<RosterWindow*> rosterWindows() const;
    RosterWindow* activeRosterWindow() const;
    const RecentFiles& recentFiles() const { return recentFiles_; }
    QString statusText(int panel) const;

    // Child window arrangement, by the codes of the "F&enêtre" entries: 0 cascade, 1 tile
    // horizontally, 2 tile vertically, 3 line up the minimised windows.
    void arrange(int code);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showNewRoster(std::unique_ptr<RosterDatabase> db);
    void addRosterWindow(std::unique_ptr<RosterDocument> document);
    void rebuildMenus();
    void fillFileMenu(RosterWindow* active);
    // The arrangements, then the roster windows.
    void fillWindowMenu();
    void showStatusOf(RosterWindow* window);
    void rosterSaved(const QString& filePath);
    void storePlacement();
    // The roster windows that are not minimised.
    QList<QMdiSubWindow*> shownWindows(QMdiArea::WindowOrder order) const;
    void cascade();
    // Side by side in horizontal bands (one above the other) or in vertical bands.
    void tile(Qt::Orientation bands);
    void arrangeIcons();

    std::unique_ptr<Interaction> ownUi_;
    Interaction* ui_;
    QMdiArea* mdiArea_;
    QLabel* statusPanels_[4];
    QMenu* fileMenu_;
    QMenu* windowMenu_;
    QMenu* helpMenu_;
    RecentFiles recentFiles_;
    // Untitled rosters opened since start-up: "Tour 1", "Tour 2"...
    int untitledCounter_ = 0;
};
