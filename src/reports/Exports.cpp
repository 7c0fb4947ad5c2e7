#include "reports/Exports.h"

#include "document/Interaction.h"
#include "reports/CalendarExport.h"
#include "reports/CsvExport.h"
#include "reports/WorkbookExport.h"
#include "store/DatabaseError.h"
#include "store/FilePaths.h"
#include "store/Roster.h"
#include "store/SafeFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace {

constexpr int DaysInAYear = 366;
const QString EveryParticipant = QStringLiteral("(Tous les participants)");

QString Succeeded(const QString& what, const QString& path)
{
    return what + QStringLiteral("\r\n") + QDir::toNativeSeparators(path);
}

// The participants' calendar files in a folder: "Garde 2012 - Dupont.ics"; names that would meet
// in one file get a number.
QStringList CalendarPaths(const QString& folder, const QString& yearText,
                          const QStringList& doctors)
{
    QStringList names;
    for (const QString& doctor : doctors) {
        const QString base = QStringLiteral("Garde %1 - %2").arg(yearText, FileNameFor(doctor));
        QString name = base;
        for (int number = 2; names.contains(name + QStringLiteral(".ics"), Qt::CaseInsensitive);
             ++number)
            name = QStringLiteral("%1 (%2)").arg(base).arg(number);
        names.append(name + QStringLiteral(".ics"));
    }
    QStringList paths;
    for (const QString& name : names)
        paths.append(QDir(folder).filePath(name));
    return paths;
}

// The calendar made, stamped now, written whole; false when it could not be made or written.
bool WriteCalendar(const QString& path,
                   const std::function<QByteArray(const QDateTime& now)>& makeCalendar)
{
    try {
        const QByteArray calendar = makeCalendar(QDateTime::currentDateTimeUtc());
        return !calendar.isEmpty() && WriteFileSafely(path, calendar);
    } catch (const DatabaseError&) {
        return false;
    }
}

} // namespace

void ExportGroupCalendar(Interaction& ui, const Roster& roster, const QString& yearText)
{
    const QString path = ui.chooseFileToSave(
        {QDir(DocumentsFolder())
             .filePath(
                 QStringLiteral("Garde %1 - %2.ics").arg(yearText, FileNameFor(roster.sector()))),
         QStringLiteral("Agenda iCalendar (*.ics)"), QStringLiteral("ics")});
    if (path.isEmpty())
        return;
    bool written = false;
    {
        const std::unique_ptr<WaitingWindow> waiting =
            ui.showWaiting(QStringLiteral("Exportation au format agenda en cours..."), 1);
        written = WriteCalendar(
            path, [&roster](const QDateTime& now) { return GroupCalendar(roster, now); });
        waiting->setProgress(1);
    }
    if (written)
        ui.tell(
            Succeeded(QStringLiteral("Exportation de l'agenda réussie, sous le fichier:"), path),
            MessageIcon::Information);
    else
        ui.tell(QStringLiteral("L'exportation de l'agenda a échoué."), MessageIcon::Critical);
}

void ExportCsv(Interaction& ui, const Roster& roster, const QString& proposedPath)
{
    const QString path = ui.chooseFileToSave(
        {proposedPath, QStringLiteral("Fichier csv (*.csv)"), QStringLiteral("csv")});
    if (path.isEmpty())
        return;
    bool written = false;
    {
        const std::unique_ptr<WaitingWindow> waiting =
            ui.showWaiting(QStringLiteral("Exportation au format csv en cours..."), DaysInAYear);
        try {
            written = WriteFileSafely(
                path, EncodeCsv(CsvText(roster, [&](int day) { waiting->setProgress(day); })));
        } catch (const DatabaseError&) {
            written = false;
        }
    }
    if (written)
        ui.tell(
            Succeeded(QStringLiteral("Exportation au format csv réussie, sous le fichier:"), path),
            MessageIcon::Information);
    else
        ui.tell(QStringLiteral("L'exportation au format csv a échoué."), MessageIcon::Critical);
}

void ExportWorkbook(Interaction& ui, const Roster& roster, const QString& yearText,
                    const QString& proposedPath)
{
    const QString path = ui.chooseFileToSave(
        {proposedPath, QStringLiteral("Classeur Excel (*.xlsx)"), QStringLiteral("xlsx")});
    if (path.isEmpty())
        return;
    WorkbookWrite written = WorkbookWrite::Failed;
    {
        const std::unique_ptr<WaitingWindow> waiting =
            ui.showWaiting(QStringLiteral("Exportation au format Excel en cours..."), DaysInAYear);
        written =
            WriteWorkbook(roster, yearText, path, [&](int day) { waiting->setProgress(day); });
    }
    switch (written) {
    case WorkbookWrite::Written:
        ui.tell(Succeeded(QStringLiteral("Exportation au format Excel réussie, sous le fichier:"),
                          path),
                MessageIcon::Information);
        break;
    case WorkbookWrite::CannotStart:
        ui.tell(QStringLiteral("Impossible d'exporter au format Excel."), MessageIcon::Critical);
        break;
    case WorkbookWrite::Failed:
        ui.tell(QStringLiteral("L'exportation au format Excel a échoué."), MessageIcon::Critical);
        break;
    }
}

void ExportCalendars(Interaction& ui, const Roster& roster, const QString& yearText)
{
    const QStringList& participants = roster.participants();
    const int chosen = ui.chooseParticipant(participants + QStringList{EveryParticipant}, 0);
    if (chosen < 0 || chosen > participants.size())
        return;
    const bool every = chosen == participants.size();
    const QStringList doctors = every ? participants : QStringList{participants.at(chosen)};
    QStringList paths;
    if (every) {
        const QString folder = ui.chooseFolder(DocumentsFolder());
        if (folder.isEmpty())
            return;
        paths = CalendarPaths(folder, yearText, doctors);
        if (std::any_of(paths.begin(), paths.end(),
                        [](const QString& path) { return QFileInfo::exists(path); }) &&
            ui.ask({QStringLiteral("Des agendas de ce tour de garde existent déjà dans ce "
                                   "dossier.\r\nVoulez-vous les remplacer ?"),
                    ButtonSet::YesNo, MessageIcon::Question}) != AnswerYes)
            return;
    } else {
        const QString path = ui.chooseFileToSave(
            {CalendarPaths(DocumentsFolder(), yearText, doctors).first(),
             QStringLiteral("Agenda iCalendar (*.ics)"), QStringLiteral("ics")});
        if (path.isEmpty())
            return;
        paths = {path};
    }
    bool written = true;
    {
        const std::unique_ptr<WaitingWindow> waiting =
            ui.showWaiting(QStringLiteral("Exportation au format agenda en cours..."),
                           static_cast<int>(doctors.size()));
        for (qsizetype i = 0; i < doctors.size(); ++i) {
            const QString& doctor = doctors.at(i);
            const bool calendarWritten = WriteCalendar(paths.at(i), [&](const QDateTime& now) {
                return DoctorCalendar(roster, doctor, now);
            });
            written = calendarWritten && written;
            waiting->setProgress(static_cast<int>(i + 1));
        }
    }
    if (!written)
        ui.tell(every ? QStringLiteral("L'exportation des agendas a échoué.")
                      : QStringLiteral("L'exportation de l'agenda a échoué."),
                MessageIcon::Critical);
    else if (every)
        ui.tell(Succeeded(QStringLiteral("Exportation des agendas réussie, dans le dossier:"),
                          QFileInfo(paths.first()).absolutePath()),
                MessageIcon::Information);
    else
        ui.tell(Succeeded(QStringLiteral("Exportation de l'agenda réussie, sous le fichier:"),
                          paths.first()),
                MessageIcon::Information);
}
