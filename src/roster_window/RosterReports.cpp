#include "roster_window/RosterReports.h"

#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "reports/DutyList.h"
#include "reports/DutyListLayout.h"
#include "reports/Exports.h"
#include "reports/Fairness.h"
#include "reports/FairnessLayout.h"
#include "reports/FairnessLedger.h"
#include "reports/OnCallTable.h"
#include "reports/RosterTable.h"
#include "reports/Statistics.h"
#include "reports/StatisticsLayout.h"
#include "reports/dialogs/PrintJob.h"

#include <QFileInfo>

RosterReports::RosterReports(Interaction& ui, RosterDocument& document)
    : ui_(ui)
    , document_(document)
{
}

QString RosterReports::yearText() const
{
    return QString::number(document_.roster().year());
}

QString RosterReports::sectorText() const
{
    return document_.roster().sector();
}

void RosterReports::showStatistics()
{
    if (!document_.requireParticipants())
        return;
    StatisticsReport report;
    if (!document_.read([&] {
            report.lines = ComputeStatistics(document_.roster());
            report.fairness = fairnessReport();
        }))
        return;
    report.title = StatisticsTitle(yearText());
    report.commands = MakePrintCommands(
        ui_, report.title, [title = report.title, lines = report.lines](PageCanvas& canvas) {
            return DrawStatistics(canvas, title, lines);
        });
    report.showDetails = [this](const QString& doctor) { showDutyList(doctor); };
    ui_.showStatistics(report);
}

FairnessReport RosterReports::fairnessReport() const
{
    FairnessReport report{
        CountFairness(document_.roster()), Rotations(document_.roster().participantRows()), {}, {}};
    // Earlier years are first looked for beside the open roster's file.
    report.addYear = [this](const QList<int>& yearsHeld) {
        return ChooseFairnessYear(ui_, yearsHeld,
                                  QFileInfo(document_.proposedSavePath()).absolutePath());
    };
    report.commands = [this](const FairnessTable& table) {
        const QString title = FairnessTitle(table.years);
        return MakePrintCommands(ui_, title, [title, table](PageCanvas& canvas) {
            return DrawFairness(canvas, title, table);
        });
    };
    return report;
}

void RosterReports::chooseDutyList()
{
    const QStringList& participants = document_.roster().participants();
    if (!document_.requireParticipants())
        return;
    const int chosen = ui_.chooseParticipant(participants, 0);
    if (chosen >= 0 && chosen < participants.size())
        showDutyList(participants.at(chosen));
}

void RosterReports::showDutyList(const QString& doctor)
{
    DutyListReport report;
    if (!document_.read([&] { report.rows = PersonalDuties(document_.roster(), doctor); }))
        return;
    report.title = DutyListTitle(yearText(), doctor);
    report.commands = MakePrintCommands(
        ui_, report.title, [title = report.title, rows = report.rows](PageCanvas& canvas) {
            return DrawDutyList(canvas, title, rows);
        });
    ui_.showDutyList(report);
}

void RosterReports::printRosterTable()
{
    RosterTable table;
    if (document_.read(
            [&] { table = ReadRosterTable(document_.roster(), yearText(), sectorText()); }))
        PrintRosterTable(ui_, table);
}

void RosterReports::printOnCallTable()
{
    if (!document_.requireParticipants())
        return;
    OnCallOffer offer{[this] { editAdministrativeData(); }, std::nullopt};
    // Closing a preview comes back to the dialog, with the month (or the whole year) still chosen.
    for (;;) {
        const std::optional<OnCallRequest> request = ui_.chooseOnCallMonth(offer);
        OnCallTable table;
        if (!request || !document_.read([&] {
                table =
                    ReadOnCallTable(document_.roster(), request->month, yearText(), sectorText());
            }))
            return;
        PrintOnCallTable(ui_, *request, table);
        if (request->output != PrintOutput::Preview)
            return;
        offer.previous = request;
    }
}

void RosterReports::editAdministrativeData()
{
    if (!document_.requireParticipants())
        return;
    AdministrativeDataWindow window;
    for (const Participant& participant : document_.roster().participantRows())
        window.participants.append(participant.data);
    // Each saved change is an edit of the roster: written at once, and marking it modified.
    window.save = [this](qsizetype index, const AdministrativeData& data) {
        return document_.setAdministrativeData(index, data);
    };
    ui_.showAdministrativeData(window);
}

void RosterReports::exportWorkbook()
{
    ExportWorkbook(ui_, document_.roster(), yearText(), document_.proposedSavePath());
}

void RosterReports::exportCsv()
{
    ExportCsv(ui_, document_.roster(), document_.proposedSavePath());
}

void RosterReports::exportCalendars()
{
    if (document_.requireParticipants())
        ExportCalendars(ui_, document_.roster(), yearText());
}

void RosterReports::exportGroupCalendar()
{
    if (document_.requireParticipants())
        ExportGroupCalendar(ui_, document_.roster(), yearText());
}
