#pragma once

#include "roster_window/RosterReports.h"
#include "roster_window/SwapDialog.h"

#include <QDate>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

class QLabel;
class QMenu;
class RepairDialog;
class RosterGrid;
class RosterMenus;
class RosterSession;
class VerificationWindow;

// frmGarde: one roster year shown as the year grid, with the menus that edit it. The window
// binds its grid and menus to its session, which it keeps for its whole life.
class RosterWindow : public QWidget {
    Q_OBJECT

public:
    explicit RosterWindow(std::unique_ptr<RosterSession> session, QWidget* parent = nullptr);
    ~RosterWindow() override;

    RosterSession& session() const { return *session_; }
    RosterGrid* grid() const { return grid_; }
    QString sectorText() const;
    QString yearText() const;
    // Whose duties or absences the mode shows, above the grid; empty in the other modes.
    QString findText() const;

    // The menus this window adds to the menu bar while it is active.
    QList<QMenu*> menus() const;
    QMenu* contextMenu() const;

    // Opens "Échanger deux gardes" for the current day; a click on the grid chooses the other.
    void swapCurrentDay();
    SwapDialog* swapDialog() const { return swap_; }
    void showVerification();
    // "Corri&ger les alertes...": the correction's window, over the grid.
    void showRepair();
    // "Co&mparer avec un autre tour de garde...": the differences with the file chosen, in a
    // window of their own.
    void compareWithAnotherRoster();
    // "&Journal des modifications": the roster file's journal, in a window of its own.
    void showJournal();
    // Makes the day's duty the current cell.
    void goToDay(QDate day);

signals:
    void statusChanged();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void followSession();
    void fillGrid();
    // A day's duty text, tooltip and colours as the roster now holds them.
    void showDay(QDate day);
    // Every day's duty text and colours.
    void showDays();
    void recolour();
    void recolourDay(QDate day);
    void showAlerts(QDate first, QDate last);
    void showCurrentDay();
    // The right button on a cell: makes it current and pops up the day commands there.
    void showContextMenu(int row, int column, const QPoint& globalPos);

    std::unique_ptr<RosterSession> session_;
    RosterReports reports_;
    QPointer<VerificationWindow> verification_;
    QPointer<SwapDialog> swap_;
    QPointer<RepairDialog> repair_;
    QLabel* sectorLabel_;
    QLabel* yearLabel_;
    QLabel* findLabel_;
    RosterGrid* grid_;
    RosterMenus* menus_;
};
