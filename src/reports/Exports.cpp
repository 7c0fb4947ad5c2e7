#include "reports/Exports.h"

#include "document/Interaction.h"
#include "reports/CalendarExport.h"
#include "reports/ChangesNotice.h"
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

// Writes with the please-wait window shown, then tells the user how it went: the success
// followed by where the export went, or the failure write returns (empty when written).
void WriteAndReport(Interaction& ui, const QString& waitingText, int steps, const QString& success,
                    const QString& where,
                    const std::function<QString(WaitingWindow& waiting)>& write)
{
    QString failure;
    {
        const std::unique_ptr<WaitingWindow> waiting = ui.showWaiting(waitingText, steps);
        failure = write(*waiting);
    }
    if (failure.isEmpty())
        ui.tell(success + QStringLiteral("\r\n") + QDir::toNativeSeparators(where),
                MessageIcon::Information);
    else
        ui.tell(failure, MessageIcon::Critical);
}

// The same into a file the user chooses first.
void ExportToFile(Interaction& ui, const FileChoice& choice, const QString& waitingText, int steps,
                  const QString& success,
                  const std::function<QString(const QString& path, WaitingWindow& waiting)>& write)
{
    const QString path = ui.chooseFileToSave(choice);
    if (!path.isEmpty())
        WriteAndReport(ui, waitingText, steps, success, path,
                       [&](WaitingWindow& waiting) { return write(path, waiting); });
}

} // namespace

void ExportGroupCalendar(Interaction& ui, const Roster& roster, const QString& yearText)
{
    ExportToFile(
        ui,
        {QDir(DocumentsFolder())
             .filePath(
                 QStringLiteral("Garde %1 - %2.ics").arg(yearText, FileNameFor(roster.sector()))),
         QStringLiteral("Agenda iCalendar (*.ics)"), QStringLiteral("ics")},
        QStringLiteral("Exportation au format agenda en cours..."), 1,
        QStringLiteral("Exportation de l'agenda réussie, sous le fichier:"),
        [&roster](const QString& path, WaitingWindow& waiting) {
            const bool written = WriteCalendar(
                path, [&roster](const QDateTime& now) { return GroupCalendar(roster, now); });
            waiting.setProgress(1);
            return written ? QString() : QStringLiteral("L'exportation de l'agenda a échoué.");
        });
}

void ExportCsv(Interaction& ui, const Roster& roster, const QString& proposedPath)
{
    ExportToFile(
        ui, {proposedPath, QStringLiteral("Fichier csv (*.csv)"), QStringLiteral("csv")},
        QStringLiteral("Exportation au format csv en cours..."), DaysInAYear,
        QStringLiteral("Exportation au format csv réussie, sous le fichier:"),
        [&roster](const QString& path, WaitingWindow& waiting) {
            bool written = false;
            try {
                written = WriteFileSafely(
                    path, EncodeCsv(CsvText(roster, [&](int day) { waiting.setProgress(day); })));
            } catch (const DatabaseError&) {
                written = false;
            }
            return written ? QString() : QStringLiteral("L'exportation au format csv a échoué.");
        });
}

void ExportChangesNotice(Interaction& ui, const ChangesNotice& notice, const QString& proposedPath)
{
    ExportToFile(ui, {proposedPath, QStringLiteral("Fichier csv (*.csv)"), QStringLiteral("csv")},
                 QStringLiteral("Exportation au format csv en cours..."), 1,
                 QStringLiteral("Exportation au format csv réussie, sous le fichier:"),
                 [&notice](const QString& path, WaitingWindow&) {
                     return WriteFileSafely(path, EncodeCsv(ChangesNoticeCsv(notice)))
                                ? QString()
                                : QStringLiteral("L'exportation au format csv a échoué.");
                 });
}

void ExportWorkbook(Interaction& ui, const Roster& roster, const QString& yearText,
                    const QString& proposedPath)
{
    ExportToFile(ui,
                 {proposedPath, QStringLiteral("Classeur Excel (*.xlsx)"), QStringLiteral("xlsx")},
                 QStringLiteral("Exportation au format Excel en cours..."), DaysInAYear,
                 QStringLiteral("Exportation au format Excel réussie, sous le fichier:"),
                 [&](const QString& path, WaitingWindow& waiting) {
                     switch (WriteWorkbook(roster, yearText, path,
                                           [&](int day) { waiting.setProgress(day); })) {
                     case WorkbookWrite::Written:
                         break;
                     case WorkbookWrite::CannotStart:
                         return QStringLiteral("Impossible d'exporter au format Excel.");
                     case WorkbookWrite::Failed:
                         return QStringLiteral("L'exportation au format Excel a échoué.");
                     }
                     return QString();
                 });
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
    WriteAndReport(ui, QStringLiteral("Exportation au format agenda en cours..."),
                   static_cast<int>(doctors.size()),
                   every ? QStringLiteral("Exportation des agendas réussie, dans le dossier:")
                         : QStringLiteral("Exportation de l'agenda réussie, sous le fichier:"),
                   every ? QFileInfo(paths.first()).absolutePath() : paths.first(),
                   [&](WaitingWindow& waiting) {
                       bool written = true;
                       for (qsizetype i = 0; i < doctors.size(); ++i) {
                           const QString& doctor = doctors.at(i);
                           const bool calendarWritten =
                               WriteCalendar(paths.at(i), [&](const QDateTime& now) {
                                   return DoctorCalendar(roster, doctor, now);
                               });
                           written = calendarWritten && written;
                           waiting.setProgress(static_cast<int>(i + 1));
                       }
                       if (written)
                           return QString();
                       return every ? QStringLiteral("L'exportation des agendas a échoué.")
                                    : QStringLiteral("L'exportation de l'agenda a échoué.");
                   });
}
