#include "session/SessionManager.h"

#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "session/NewBlankRoster.h"
#include "session/RosterSession.h"
#include "store/AbandonedRosters.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/Settings.h"

SessionManager::SessionManager(Interaction& ui, Show show, QObject* parent)
    : QObject(parent)
    , ui_(ui)
    , show_(std::move(show))
{
    recentFiles_.load(Settings());
}

void SessionManager::openRoster(const QString& path)
{
    const QString rosterPath = path.isEmpty() ? ui_.chooseFileToOpen({}) : path;
    if (rosterPath.isEmpty())
        return;
    WorkingCopy copy = MakeWorkingCopy(rosterPath);
    if (!copy.file) {
        ui_.tell(QStringLiteral("Impossible de créer le fichier de travail."),
                 MessageIcon::Information);
        return;
    }
    // Read on the working copy, before any other check: a newer version may have added tables.
    if (RosterDatabase::isFromNewerVersion(copy.file->path())) {
        ui_.tell(NewerVersionMessage, MessageIcon::Critical);
        return;
    }
    auto document = std::make_unique<RosterDocument>(ui_);
    if (document->openFile(std::move(copy), rosterPath, untitledCounter_))
        show(std::move(document));
}

void SessionManager::newBlankRoster()
{
    int year = 0;
    openNew(NewBlankRoster(year, ui_));
}

void SessionManager::openNew(std::unique_ptr<RosterDatabase> db)
{
    if (!db)
        return;
    auto document = std::make_unique<RosterDocument>(ui_);
    if (document->openNew(std::move(db), untitledCounter_))
        show(std::move(document));
}

void SessionManager::reopenAbandonedRosters()
{
    std::vector<AbandonedRoster> abandoned = TakeAbandonedRosters();
    if (abandoned.empty())
        return;
    QList<WorkRecord> records;
    for (const AbandonedRoster& roster : abandoned)
        records.append(roster.record);
    const std::optional<QList<bool>> reopen = ui_.chooseRecoveries(records);
    for (size_t i = 0; i < abandoned.size(); ++i) {
        AbandonedRoster& roster = abandoned[i];
        if (!reopen) {
            roster.db->workFile()->keepForLater();
        } else if (reopen->value(static_cast<qsizetype>(i))) {
            auto document = std::make_unique<RosterDocument>(ui_);
            if (document->openRecovered(std::move(roster.db), roster.record, untitledCounter_))
                show(std::move(document));
        }
        // A discarded roster's working file goes with its database.
    }
}

void SessionManager::show(std::unique_ptr<RosterDocument> document)
{
    connect(document.get(), &RosterDocument::saved, this, [this](const QString& filePath) {
        Settings settings;
        recentFiles_.add(filePath, settings);
        emit recentFilesChanged();
    });
    show_(std::make_unique<RosterSession>(ui_, std::move(document)));
}

bool SessionManager::approveClosingAll(const QList<RosterSession*>& sessions)
{
    for (RosterSession* session : sessions) {
        if (!session->mayClose())
            return false;
    }
    for (RosterSession* session : sessions)
        session->approveClose();
    return true;
}
