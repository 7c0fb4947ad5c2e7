#pragma once

#include "store/RosterRules.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

// The per-user settings store, under the application key "Vardo App Rotalis", as the program
// reads and writes it through Settings; tests read it to see what was written, and point it at
// a temporary folder with QSettings::setPath before the first use.
std::unique_ptr<QSettings> OpenAppSettings();

// A stored yes or no, as any program of the family wrote it: "Vrai"/"Faux", "True"/"False" or
// "-1"/"0", in any case. Empty for any other text.
std::optional<bool> ReadFlag(const QString& text);

// Every setting the program keeps for its user, each with its type and its default.
class Settings {
public:
    Settings();

    // StartUp: the main window, maximised (written "Vrai"/"Faux") or at its place.
    bool maximized() const;
    void setMaximized(bool maximized);
    // The main window's place in twips; empty when none is stored or a value is not a number.
    struct Place {
        double left;
        double top;
        double width;
        double height;
    };
    std::optional<Place> place() const;
    void setPlace(int left, int top, int width, int height);

    // MRU: the recent roster files, most recent first.
    QStringList recentFiles(int capacity) const;
    void setRecentFiles(const QStringList& paths);

    // Options: the sector name of new rosters, and the wizard's grouping (written "Vrai"/"Faux").
    QString defaultSector() const;
    void setDefaultSector(const QString& sector);
    bool grouping() const;
    void setGrouping(bool grouping);
    // Options: the points of a duty on a weekday, a Saturday and a Sunday or holiday in the
    // statistics' fairness view, written with a decimal point; empty when none is stored or one
    // is not a number from 0 to 100.
    std::optional<std::array<double, 3>> dutyWeights() const;
    void setDutyWeights(const std::array<double, 3>& weights);
    // Options: the group's rules the organiser last set, which new rosters start with; only
    // those that differ from the defaults are kept, as the roster file keeps them.
    RosterRules rules() const;
    void setRules(const RosterRules& rules);
    // Options: the months the roster grid shows, 0 the whole year, 1 January to June, 2 July to
    // December; 0 when none or another value is stored.
    int shownHalfYear() const;
    void setShownHalfYear(int half);

    // Printing: whether the year table leaves weekdays and weekends without background (written
    // "True"/"False"), and its four colours (0 and 1 the weekend's background and text, 2 and 3
    // the week's) as the number stored, 0xBBGGRR, "&H" and hexadecimal or decimal; empty when
    // none or no colour is stored.
    std::optional<bool> transparentWeek() const;
    std::optional<bool> transparentWeekend() const;
    void setTransparent(bool week, bool weekend);
    std::optional<quint32> colour(int index) const;
    void setColour(int index, quint32 number);

private:
    QString text(const QString& key) const;
    std::unique_ptr<QSettings> store_;
};
