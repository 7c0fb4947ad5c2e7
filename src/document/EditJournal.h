#pragma once

#include "store/RosterJournal.h"

#include <QList>
#include <QString>

class RosterDatabase;

// Keeps a roster's journal in step with its history of edits: each edit made, undone or redone
// writes its entry in the working copy as it is made, so that the next save (or the recovery
// after a crash) takes it to the roster file. An edit undone before any save takes its entry
// away, leaving no trace; one undone after it was saved is written as "Annuler : ...". Entries
// already saved are never touched. A journal that cannot be written is left behind: the edits
// go on without it.
class EditJournal {
public:
    void edited(const RosterDatabase& db, const QString& text);
    void undone(const RosterDatabase& db, const QString& text);
    void redone(const RosterDatabase& db, const QString& text);
    // Every entry written counts as saved: the roster was just saved, or opened.
    void allSaved() { unsaved_.clear(); }

private:
    void append(const RosterDatabase& db, const QString& text);
    // Takes away the last entry written since the save when it is that text; true when it did.
    bool takeBack(const RosterDatabase& db, const QString& text);

    // The entries written since the last save, oldest first: their rows and texts.
    QList<std::pair<qint64, QString>> unsaved_;
};

// The login name of the user, as the journal keeps it.
QString LoginName();
