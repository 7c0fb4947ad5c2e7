#include "document/RosterDocument.h"

#include "document/Messages.h"
#include "store/DatabaseError.h"
#include "store/FilePaths.h"
#include "store/SaveLock.h"
#include "store/WorkFile.h"

RosterDocument::RosterDocument(Messages& messages, QObject* parent)
    : QObject(parent)
    , messages_(messages)
{
    connect(&undoStack_, &QUndoStack::indexChanged, this, &RosterDocument::updateModified);
}

RosterDocument::~RosterDocument()
{
    close();
}

bool RosterDocument::openFile(WorkingCopy copy, const QString& filePath, int& untitledCounter)
{
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(std::move(copy.file));
    fileStamp_ = copy.source;
    fileDigest_ = copy.sourceDigest;
    return start(db ? Roster::load(std::move(db)) : nullptr, filePath, filePath.isEmpty(),
                 untitledCounter);
}

bool RosterDocument::openNew(std::unique_ptr<RosterDatabase> db, int& untitledCounter)
{
    return start(Roster::load(std::move(db)), {}, true, untitledCounter);
}

bool RosterDocument::openRecovered(std::unique_ptr<RosterDatabase> db, const WorkRecord& record,
                                   int& untitledCounter)
{
    fileStamp_ = record.fileStamp;
    fileDigest_ = record.fileDigest;
    if (!start(Roster::load(std::move(db)), record.filePath, true, untitledCounter))
        return false;
    lastEdit_ = record.lastEdit;
    recordWorkFile(modified_);
    return true;
}

bool RosterDocument::start(std::unique_ptr<Roster> roster, const QString& filePath, bool modified,
                           int& untitledCounter)
{
    roster_ = std::move(roster);
    if (!roster_) {
        messages_.tell(NotARosterMessage, MessageIcon::Critical);
        return false;
    }
    filePath_ = filePath;
    if (filePath.isEmpty())
        setCaption(QStringLiteral("Tour %1").arg(++untitledCounter));
    else
        setCaption(RosterCaption(filePath));
    unsavedSinceOpened_ = modified;
    modified_ = modified;
    lastEdit_ = QDateTime::currentDateTime();
    // Recorded at once, edited or not: a working file found without its record after a crash
    // is then one whose record was lost, and is offered back rather than thrown away.
    recordWorkFile(modified_);
    return true;
}

void RosterDocument::setCaption(const QString& caption)
{
    caption_ = caption;
    emit captionChanged(caption);
}

void RosterDocument::updateModified()
{
    const bool modified = unsavedSinceOpened_ || !undoStack_.isClean();
    if (modified == modified_)
        return;
    modified_ = modified;
    if (roster_)
        recordWorkFile(modified);
    emit modifiedChanged(modified);
}

QString RosterDocument::workPath() const
{
    return roster_ ? roster_->database().path() : QString();
}

QString RosterDocument::proposedSavePath() const
{
    if (!filePath_.isEmpty())
        return StripExtension(filePath_);
    return DocumentsFolder() + QStringLiteral("/Garde %1").arg(roster_->year());
}

RosterDocument::SaveOutcome RosterDocument::save(const std::optional<FileStamp>& accepted)
{
    // Locked from the check to the replacement: a copy saving at the same moment waits, then
    // sees this one's change.
    SaveLock lock;
    if (!lockForSaving(lock, filePath_))
        return SaveOutcome::Failed;
    if (changedOnDisk() && StampOf(filePath_) != accepted)
        return SaveOutcome::ChangedOnDisk;
    return writeRosterFile(filePath_) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

RosterDocument::SaveOutcome RosterDocument::saveAs(const QString& target)
{
    SaveLock lock;
    if (!lockForSaving(lock, target))
        return SaveOutcome::Failed;
    return writeRosterFile(target) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

bool RosterDocument::lockForSaving(SaveLock& lock, const QString& target)
{
    if (lock.lock(target))
        return true;
    messages_.tell(QStringLiteral("Le fichier %1 est en cours d'enregistrement par une autre "
                                  "copie de Rotalis.\r\nRéessayez dans un instant.")
                       .arg(target),
                   MessageIcon::Warning);
    return false;
}

bool RosterDocument::writeRosterFile(const QString& target)
{
    // Recorded before the file is replaced: if the program ends just after, the next start
    // knows the file holds this roster's own save, not another program's change.
    const QByteArray formerDigest = fileDigest_;
    fileDigest_ = DigestOf(roster_->database().path());
    recordWorkFile(modified_);
    switch (writer_(roster_->database(), target)) {
    case RosterWrite::Written:
        break;
    case RosterWrite::WorkFileLost:
        fileDigest_ = formerDigest;
        recoverWorkFile();
        return false;
    case RosterWrite::Failed:
        fileDigest_ = formerDigest;
        recordWorkFile(modified_);
        messages_.tell(QStringLiteral("Une erreur s'est produite pendant la sauvegarde."),
                       MessageIcon::Critical);
        return false;
    }
    filePath_ = target;
    fileStamp_ = StampOf(target);
    setCaption(RosterCaption(target));
    unsavedSinceOpened_ = false;
    journal_.allSaved();
    undoStack_.setClean();
    updateModified();
    recordWorkFile(modified_);
    emit saved(target);
    return true;
}

bool RosterDocument::changedOnDisk() const
{
    const std::optional<FileStamp> now = StampOf(filePath_);
    if (!now || now == fileStamp_)
        return false;
    // Rewritten with the same bytes (a backup restored, a synchronising tool, this roster's own
    // save just before the program ended) it has not changed.
    return DigestOf(filePath_) != fileDigest_;
}

void RosterDocument::recoverWorkFile()
{
    std::unique_ptr<RosterDatabase> copy = RecreateWorkFile(roster_->database());
    if (!copy) {
        messages_.tell(QStringLiteral("Une erreur s'est produite pendant la sauvegarde.\r\n"
                                      "Le fichier de travail de ce tour de garde a été supprimé "
                                      "ou remplacé par un autre programme. Gardez cette fenêtre "
                                      "ouverte et enregistrez de nouveau."),
                       MessageIcon::Critical);
        return;
    }
    roster_->replaceDatabase(std::move(copy));
    recordWorkFile(modified_);
    messages_.tell(QStringLiteral("Le fichier de travail de ce tour de garde a été supprimé ou "
                                  "remplacé par un autre programme : le tour de garde n'a pas "
                                  "été enregistré.\r\n"
                                  "Le fichier de travail a été recréé avec toutes vos "
                                  "modifications. Enregistrez de nouveau le tour de garde."),
                   MessageIcon::Warning);
}

void RosterDocument::recordWorkFile(bool unsaved)
{
    // A record that cannot be written leaves the former one, and the roster itself unharmed.
    if (WorkFile* work = roster_->database().workFile())
        work->writeRecord({filePath_, fileStamp_, fileDigest_, caption_, lastEdit_, unsaved});
}

void RosterDocument::close()
{
    // Forgetting the history changes nothing the views must hear of. The database removes its
    // working file as it closes.
    undoStack_.disconnect(this);
    undoStack_.clear();
    roster_.reset();
}

bool RosterDocument::read(const std::function<void()>& work)
{
    try {
        work();
    } catch (const DatabaseError&) {
        messages_.tell(
            QStringLiteral("Une erreur s'est produite pendant la lecture du tour de garde."),
            MessageIcon::Critical);
        return false;
    }
    return true;
}

bool RosterDocument::requireParticipants()
{
    if (!roster_->participants().isEmpty())
        return true;
    messages_.tell(QStringLiteral("Votre liste de participants est vide.\r\n"
                                  "Ajoutez des participants avant d'utiliser cette fonction."),
                   MessageIcon::Information);
    return false;
}
