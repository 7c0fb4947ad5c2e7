#pragma once

#include "store/RecentFiles.h"

#include <QList>
#include <QObject>
#include <functional>
#include <memory>

class Interaction;
class RosterDatabase;
class RosterDocument;
class RosterSession;

// The open rosters as a whole, without a widget: opening a file, new rosters, the rosters a
// program that ended without closing them left behind, closing them all, and the recent files
// their saves make. Each roster opened is handed, as a session, to whatever shows it.
class SessionManager : public QObject {
    Q_OBJECT

public:
    using Show = std::function<void(std::unique_ptr<RosterSession> session)>;

    SessionManager(Interaction& ui, Show show, QObject* parent = nullptr);

    // Opens a roster file through a working copy; an empty path asks for the file first.
    void openRoster(const QString& path);
    // "&Tour de garde vierge": asks the year and opens a new blank roster.
    void newBlankRoster();
    // A roster just made (by the wizard, or blank for a year), untitled; null does nothing.
    void openNew(std::unique_ptr<RosterDatabase> db);
    // At start: offers back the rosters a program that ended without closing them left with
    // unsaved changes.
    void reopenAbandonedRosters();
    // Asks every roster about its unsaved changes first: a cancel in any of them keeps them all
    // open (false); otherwise each closes without asking again.
    bool approveClosingAll(const QList<RosterSession*>& sessions);

    const RecentFiles& recentFiles() const { return recentFiles_; }

signals:
    void recentFilesChanged();

private:
    void show(std::unique_ptr<RosterDocument> document);

    Interaction& ui_;
    Show show_;
    RecentFiles recentFiles_;
    // Untitled rosters opened since start-up: "Tour 1", "Tour 2"...
    int untitledCounter_ = 0;
};
