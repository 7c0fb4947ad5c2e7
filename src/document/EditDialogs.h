#pragma once

#include "store/Calendar.h"
#include "store/Roster.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the sharing dialog starts from.
struct ShareRequest {
    QDate day;
    // What the day holds now: "Cette garde n'est pas encore affectée." ...
    QString info;
    QStringList participants;
    QList<SharedInterval> intervals;
};

struct DayProperties {
    DayType type;
    bool unavailable;
};

struct SectorName {
    QString name;
    // Also the name of the rosters created from now on.
    bool asDefault;
};

// The dialogs that gather an edit of a roster or of a participant list.
class EditDialogs {
public:
    virtual ~EditDialogs() = default;

    // The participant chooser: returns the index of the chosen name, or -1 when the user
    // cancels. The preselected index is shown first.
    virtual int chooseParticipant(const QStringList& participants, int preselected) = 0;

    // "Ajouter un participant": the name typed, or empty text when the user cancels.
    virtual QString askNewParticipant() = 0;

    // "Changer un nom": the index of the entry chosen instead of the preselected one, or -1
    // when the user cancels or keeps the preselected entry.
    virtual int chooseReplacement(const QStringList& entries, int preselected) = 0;

    // frmPartage: the intervals the user saved for the day, or nothing when they cancel.
    virtual std::optional<QList<SharedInterval>> editShare(const ShareRequest& request) = 0;

    // frmPropriétés: the day's new type and unavailability, or nothing when they cancel.
    virtual std::optional<DayProperties> editDayProperties(QDate day,
                                                           const DayProperties& current) = 0;

    // frmSecteur: the sector's new name, or nothing when they cancel.
    virtual std::optional<SectorName> nameSector(const QString& current) = 0;
};
