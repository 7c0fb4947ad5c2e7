#pragma once

#include "reports/RosterAlerts.h"
#include "roster_window/RosterReports.h"
#include "roster_window/SwapDialog.h"
#include "roster_window/ViewMode.h"

#include <QDate>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class Interaction;
struct ParticipantsAtDay;
class QAction;
class QLabel;
class QMenu;
struct RosterDay;
class RosterDocument;
class RosterGrid;
class VerificationWindow;

// frmGarde: one roster year shown as the year grid, with the menus that edit it. The window
// is a view of its document, which it keeps for its whole life.
class RosterWindow : public QWidget {
    Q_OBJECT

public:
    // Shows an open document.
    RosterWindow(Interaction& ui, std::unique_ptr<RosterDocument> document,
                 QWidget* parent = nullptr);
    ~RosterWindow() override;

    RosterDocument& document() const { return *document_; }
    // Lets the next close go without asking (the question has been answered already).
    void approveClose() { closeApproved_ = true; }

    ViewMode viewMode() const { return viewMode_; }
    QString findTarget() const { return findTarget_; }
    RosterGrid* grid() const { return grid_; }
    QString sectorText() const;
    QString yearText() const;
    // Whose duties the doctor mode shows, above the grid; empty in the other modes.
    QString findText() const;

    // The menus this window adds to the menu bar while it is active.
    QList<QMenu*> menus() const { return {editMenu_, dutyMenu_, viewMenu_, toolsMenu_}; }
    QMenu* contextMenu() const { return contextMenu_; }

    void chooseViewMode(ViewMode mode);

    // The day commands, on the current day.
    void assignCurrentDay(const QString& doctor);
    void shareCurrentDay();
    void editCurrentDayProperties();
    // Opens "Échanger deux gardes" for the current day; a click on the grid chooses the other.
    void swapCurrentDay();
    SwapDialog* swapDialog() const { return swap_; }
    // "Proposer des échanges": the exchanges that clear the alert, the one chosen made.
    void proposeSwaps(const RuleAlert& alert);
    // The same for the first alert of the current day.
    void proposeSwapsForCurrentDay();
    // Copies the source day's duty onto the day of a cell, after the user confirms.
    void dropDay(QDate source, int row, int column);
    // The right button on a cell: makes it current and pops up the day commands there.
    void showContextMenu(int row, int column, const QPoint& globalPos);

    // The roster commands of "&Outils".
    void addParticipant();
    void renameParticipant();
    void removeParticipant();
    void replaceParticipant();
    void nameSector();
    void showAbsences();
    // Asks for a participant's own copy and for the participant, and imports his unavailable
    // days as absences; true when the roster was changed.
    bool importUnavailableDays();
    void editRules();
    void showVerification();
    // Makes the day's duty the current cell.
    void goToDay(QDate day);

    const RosterAlerts& alerts() const { return alerts_; }

    // The status bar texts for the current cell: the day, who is on duty, the rules the day
    // breaks; then how many alerts the year holds.
    QString statusDay() const { return statusDay_; }
    QString statusDuty() const { return statusDuty_; }
    QString statusAlerts() const { return statusAlerts_; }
    QString statusAlertCount() const;

signals:
    void statusChanged();
    void saved(const QString& filePath);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildEditMenu();
    void buildViewMenu();
    void buildDutyMenus();
    void buildToolsMenu();
    void followDocument();
    void rebuildParticipantMenus();
    const RosterDay* currentRosterDay() const;
    // The participants, the year and the day the participants' dialogs start from.
    ParticipantsAtDay participantsAtCurrentDay() const;
    void showDayChange(QDate day);
    void recolourDay(QDate day);
    void fillGrid();
    // Every day's duty text and colours, as the roster now holds them.
    void showDays();
    void recolour();
    void refreshStatus();
    void tickViewMode();
    bool chooseFindTarget();
    void showAlerts(QDate first, QDate last);
    // Each participant of a shared day with his interval; empty for a day that is not shared.
    QString sharedDayText(const RosterDay& day) const;
    // Who holds the day, and the day: "Dr Martin, samedi 12 mars".
    QString dayDescription(QDate day) const;
    // The same for the days of one duty: "Dr Martin, du samedi 12 mars au dimanche 13 mars".
    QString dutyDescription(const QList<QDate>& days) const;
    void tickDoctorOnDuty();

    Interaction& ui_;
    std::unique_ptr<RosterDocument> document_;
    RosterReports reports_;
    RosterAlerts alerts_;
    QPointer<VerificationWindow> verification_;
    QPointer<SwapDialog> swap_;
    bool closeApproved_ = false;
    ViewMode viewMode_ = ViewMode::Standard;
    QString findTarget_;
    QString statusDay_;
    QString statusDuty_;
    QString statusAlerts_;

    QLabel* sectorLabel_;
    QLabel* yearLabel_;
    QLabel* findLabel_;
    RosterGrid* grid_;
    QMenu* editMenu_;
    QMenu* viewMenu_;
    QList<QAction*> viewActions_;
    QMenu* dutyMenu_;
    QMenu* doctorMenu_;
    QMenu* contextMenu_;
    QMenu* toolsMenu_;
};
