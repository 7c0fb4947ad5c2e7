#pragma once

#include "roster_window/ViewMode.h"
#include "store/FileStamp.h"
#include "store/RosterFile.h"
#include "store/SaveLock.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class Interaction;
class QAction;
class QLabel;
class QMenu;
class Roster;
struct RosterDay;
class RosterDatabase;
class RosterGrid;

// frmGarde: one roster year shown as the year grid. The window owns its working file, the
// database on it, the roster file's path and the modified flag, for its whole life.
class RosterWindow : public QWidget {
    Q_OBJECT

public:
    explicit RosterWindow(Interaction& ui, QWidget* parent = nullptr);
    ~RosterWindow() override;

    // Loads the roster in the working copy of a roster file. A roster without a file (filePath
    // empty) is captioned "Tour " and the next number of the untitled counter, and starts
    // modified. When the working file is not a roster, tells the user, removes the working file
    // and returns false.
    bool openFile(WorkingCopy copy, const QString& filePath, int& untitledCounter);
    // The same for a new roster whose database is already open on its working file.
    bool openNew(std::unique_ptr<RosterDatabase> db, int& untitledCounter);
    // A roster offered back after its program ended without closing it: it opens modified,
    // with the roster file it belongs to, or untitled.
    bool openRecovered(std::unique_ptr<RosterDatabase> db, const WorkRecord& record,
                       int& untitledCounter);

    // Writes the roster to its file, asking for one first when saveAs is set or it has none.
    // True only when the file was written.
    bool saveRoster(bool saveAs);

    // Asks whether to save unsaved changes; false when the window must stay open.
    bool mayClose();
    // Lets the next close go without asking (the question has been answered already).
    void approveClose() { closeApproved_ = true; }

    QString filePath() const { return filePath_; }
    // The window's title without the unsaved marker: the roster file's name, or "Tour 1"...
    QString caption() const { return caption_; }
    QString workPath() const;
    bool isModified() const { return modified_; }
    ViewMode viewMode() const { return viewMode_; }
    QString findTarget() const { return findTarget_; }
    RosterGrid* grid() const { return grid_; }
    QString sectorText() const;
    QString yearText() const;
    // Whose duties the doctor mode shows, above the grid; empty in the other modes.
    QString findText() const;

    // The menus this window adds to the menu bar while it is active.
    QList<QMenu*> menus() const { return {dutyMenu_, viewMenu_, toolsMenu_}; }
    QMenu* contextMenu() const { return contextMenu_; }

    void chooseViewMode(ViewMode mode);

    // The day commands, on the current day.
    void assignCurrentDay(const QString& doctor);
    void clearCurrentDay();
    void shareCurrentDay();
    void editCurrentDayProperties();
    // Copies the source day's duty onto the day of a cell, after the user confirms.
    void dropDay(QDate source, int row, int column);
    // The right button on a cell: makes it current and pops up the day commands there.
    void showContextMenu(int row, int column, const QPoint& globalPos);

    // The roster commands of "&Outils".
    void clearUnavailableDays();
    void addParticipant();
    void nameSector();
    // The reports of "&Outils": every participant's statistics; the duty list of the
    // participant chosen.
    void showStatistics();
    void chooseDutyList();
    // PersonalList: one participant's duty days, with the hours of his intervals.
    void showDutyList(const QString& doctor);
    // PrintRoster: the year table for the wall.
    void printRosterTable();
    // frmEtatCivil: the participants' administrative data.
    void editAdministrativeData();
    // PrintOnCallTable: the monthly on-call table for the council.
    void printOnCallTable();

    // The status bar texts for the current cell: the day, then who is on duty.
    QString statusDay() const { return statusDay_; }
    QString statusDuty() const { return statusDuty_; }

signals:
    void statusChanged();
    void saved(const QString& filePath);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setCaption(const QString& caption);
    void setModified(bool modified);
    void buildViewMenu();
    void buildDutyMenus();
    void buildToolsMenu();
    void rebuildParticipantMenus();
    bool confirm(const QString& question, const QString& title = {});
    // What a failed change leaves as it was, for the message the user gets.
    enum class Scope { Day, Roster };
    // Runs database work; a failure is told to the user and changes nothing.
    bool attempt(const std::function<void()>& work, Scope scope);
    // Reads the roster for a report; a failure is told to the user.
    bool read(const std::function<void()>& work);
    // The same for an edit, which marks the roster modified.
    bool edit(const std::function<void()>& change, Scope scope = Scope::Day);
    const RosterDay* currentRosterDay() const;
    // Puts a participant, or nobody, on duty on the current day; a shared day asks first.
    void putCurrentDay(const QString& doctor, const QString& questionIfShared);
    void showDayChange(QDate day);
    void recolourDay(QDate day);
    bool hasParticipants();
    bool showRoster(std::unique_ptr<Roster> roster, const QString& filePath, bool modified,
                    int& untitledCounter);
    void fillGrid();
    void recolour();
    void refreshStatus();
    void tickViewMode();
    bool chooseFindTarget();
    QString proposedSavePath() const;
    // The roster file is no longer as this window last read or wrote it.
    bool changedOnDisk() const;
    bool confirmReplacingChangedFile();
    // False, having told the user, when another copy of the program is saving the same file.
    bool lockForSaving(SaveLock& lock, const QString& target);
    bool writeRosterFile(const QString& target);
    // Puts the open database into a new working file after the former one was lost.
    void recoverWorkFile();
    // Writes beside the working file what offers the roster back after a crash.
    void recordWorkFile();
    void releaseWorkFile();

    Interaction& ui_;
    std::unique_ptr<Roster> roster_;
    QString filePath_;
    QString caption_;
    // The roster file as this window last read or wrote it.
    std::optional<FileStamp> fileStamp_;
    QByteArray fileDigest_;
    bool modified_ = false;
    QDateTime lastEdit_;
    bool closeApproved_ = false;
    ViewMode viewMode_ = ViewMode::Standard;
    QString findTarget_;
    // Each participant of a shared day with his interval; empty for a day that is not shared.
    QString sharedDayText(const RosterDay& day) const;

    QString statusDay_;
    QString statusDuty_;

    QLabel* sectorLabel_;
    QLabel* yearLabel_;
    QLabel* findLabel_;
    RosterGrid* grid_;
    QMenu* viewMenu_;
    QList<QAction*> viewActions_;
    QMenu* dutyMenu_;
    QMenu* doctorMenu_;
    QMenu* contextMenu_;
    QMenu* toolsMenu_;
};
