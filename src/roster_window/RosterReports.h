#pragma once

#include <QString>

class Interaction;
class RosterDocument;
struct FairnessReport;

// The reports of a roster window's "&Outils": each reads the document's roster and hands it to
// the report's own window, printer or file.
class RosterReports {
public:
    RosterReports(Interaction& ui, RosterDocument& document);

    // Every participant's statistics.
    void showStatistics();
    // The duty list of the participant chosen.
    void chooseDutyList();
    // PersonalList: one participant's duty days, with the hours of his intervals.
    void showDutyList(const QString& doctor);
    // PrintRoster: the year table for the wall.
    void printRosterTable();
    // PrintOnCallTable: the monthly on-call table for the council.
    void printOnCallTable();
    // frmEtatCivil: the participants' administrative data.
    void editAdministrativeData();
    // The commands of "&Exporter".
    void exportWorkbook();
    void exportCsv();
    void exportCalendars();
    void exportGroupCalendar();

private:
    // The fairness tab of the statistics. Throws DatabaseError.
    FairnessReport fairnessReport() const;
    QString yearText() const;
    QString sectorText() const;

    Interaction& ui_;
    RosterDocument& document_;
};
