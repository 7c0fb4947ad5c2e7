#include "document/EditJournal.h"

#include "store/DatabaseError.h"

#include <QDateTime>
#include <QDir>

namespace {

QString UndoneText(const QString& text)
{
    return QStringLiteral("Annuler : %1").arg(text);
}

} // namespace

void EditJournal::edited(const RosterDatabase& db, const QString& text)
{
    append(db, text);
}

void EditJournal::undone(const RosterDatabase& db, const QString& text)
{
    if (!takeBack(db, text))
        append(db, UndoneText(text));
}

void EditJournal::redone(const RosterDatabase& db, const QString& text)
{
    if (!takeBack(db, UndoneText(text)))
        append(db, text);
}

void EditJournal::append(const RosterDatabase& db, const QString& text)
{
    if (!RosterJournal::IsOwn(db))
        return;
    try {
        const qint64 row =
            RosterJournal::Append(db, {QDateTime::currentDateTimeUtc(), LoginName(), text});
        unsaved_.append({row, text});
    } catch (const DatabaseError&) {
    }
}

bool EditJournal::takeBack(const RosterDatabase& db, const QString& text)
{
    if (unsaved_.isEmpty() || unsaved_.constLast().second != text || !RosterJournal::IsOwn(db))
        return false;
    try {
        RosterJournal::Remove(db, unsaved_.constLast().first);
    } catch (const DatabaseError&) {
        return false;
    }
    unsaved_.removeLast();
    return true;
}

QString LoginName()
{
    for (const char* variable : {"LOGNAME", "USER"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QDir::home().dirName();
}
