#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QString;
class QWidget;
class RosterGrid;
class RosterReports;
class RosterSession;

// The menus a roster window adds to the menu bar ("É&dition", "&Garde", "&Affichage",
// "&Outils") and the grid's pop-up menu, bound to the window's session: they tick the display
// mode and the doctor on duty as the session changes. Each entry has an object name.
class RosterMenus : public QObject {
    Q_OBJECT

public:
    // What the window itself opens beside the grid.
    struct WindowCommands {
        std::function<void()> swap;
        std::function<void()> verification;
        std::function<void()> repair;
        std::function<void()> compare;
        std::function<void()> journal;
    };

    RosterMenus(RosterSession& session, RosterReports& reports, RosterGrid& grid,
                WindowCommands commands, QWidget* window);

    // In menu bar order.
    QList<QMenu*> menus() const { return {editMenu_, dutyMenu_, viewMenu_, toolsMenu_}; }
    QMenu* contextMenu() const { return contextMenu_; }

private:
    void buildEditMenu();
    void buildViewMenu(RosterGrid& grid);
    void buildDutyMenus(const WindowCommands& commands);
    void buildToolsMenu(const WindowCommands& commands);
    void rebuildDoctorMenu();
    void tickDoctorOnDuty();
    void tickViewMode();
    // An entry, named so that it can be found, added to the menu unless there is none.
    QAction* add(QMenu* menu, const QString& name, const QString& text,
                 std::function<void()> command);

    RosterSession& session_;
    RosterReports& reports_;
    QMenu* editMenu_;
    QMenu* viewMenu_;
    QList<QAction*> viewActions_;
    QMenu* dutyMenu_;
    QMenu* doctorMenu_;
    QMenu* contextMenu_;
    QMenu* toolsMenu_;
    QAction* keep_ = nullptr;
};
