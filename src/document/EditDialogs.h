#pragma once

#include "store/Calendar.h"
#include "store/Roster.h"
#include "store/RosterRules.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
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

// "Renommer un participant": who, and his new name.
struct Renaming {
    QString former;
    QString name;
};

// What the dialogs that change the participant list start from: the participants, the
// roster's year and the day chosen on the grid, where their date fields start.
struct ParticipantsAtDay {
    QStringList participants;
    int year = 0;
    QDate day;
};

// "Ajouter un participant" over a roster: his name, and the day he joins the group when he
// arrives during the year (no date: from the start of the year).
struct NewParticipant {
    QString name;
    QDate arrival;
};

// What becomes of the duties a participant leaving the group holds from then on.
enum class LeftDuties {
    Kept,    // they stay his, and are pointed out
    Blanked, // nobody holds them; of a shared day, only his intervals go
    Given,   // another participant takes them
};

// "Retirer un participant": who leaves, from which day, and what becomes of his duties.
struct Removal {
    QString doctor;
    // The first day he is no longer in the group; the year's first day, or the day he arrived,
    // takes him out of the whole year, his administrative data and absences with him.
    QDate from;
    LeftDuties duties = LeftDuties::Kept;
    // Who takes his duties, when they are given.
    QString successor = {};

    bool operator==(const Removal&) const = default;
};

// "Remplacer un participant": whose duties, on the days from first to last, another takes.
struct Replacement {
    QString doctor;
    QString successor;
    QDate first;
    QDate last;
};

// "Absences des participants": the roster's absences, and what the window's commands do. Each
// command is true when the roster was changed; a refusal has been told to the user.
struct AbsencesWindow {
    int year = 0;
    // The day chosen on the grid, where the date fields start.
    QDate day;
    QStringList participants;
    // Every absence, in the roster's order, as it stands after the last command.
    std::function<QList<Absence>()> absences;
    std::function<bool(const Absence& absence)> add;
    std::function<bool(qsizetype index, const Absence& absence)> change;
    std::function<bool(qsizetype index)> remove;
    // "Importer les jours indisponibles d'une copie...": asks for the copy and its participant.
    std::function<bool()> importUnavailableDays;
};

// The dialogs that gather an edit of a roster or of a participant list.
class EditDialogs {
public:
    virtual ~EditDialogs() = default;

    // The participant chooser: returns the index of the chosen name, or -1 when the user
    // cancels. The preselected index is shown first.
    virtual int chooseParticipant(const QStringList& participants, int preselected) = 0;

    // "Ajouter un participant" of the wizard's lists: the name typed, or empty text when the
    // user cancels.
    virtual QString askNewParticipant() = 0;
    // "Ajouter un participant" over a roster: nothing when the user cancels.
    virtual std::optional<NewParticipant> askParticipantToAdd(const ParticipantsAtDay& start) = 0;

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

    // "Règles du tour de garde": the rules the user saved, or nothing when they cancel.
    virtual std::optional<RosterRules> editRules(const RosterRules& current) = 0;

    // "Renommer un participant": nothing when the user cancels.
    virtual std::optional<Renaming> askRenaming(const QStringList& participants) = 0;

    // "Retirer un participant": nothing when the user cancels.
    virtual std::optional<Removal> askRemoval(const ParticipantsAtDay& start) = 0;
    // "Remplacer un participant": nothing when the user cancels.
    virtual std::optional<Replacement> askReplacement(const ParticipantsAtDay& start) = 0;

    // "Proposer des échanges": the index of the exchange chosen among those proposed to clear
    // the alert, or -1 when the user cancels.
    virtual int chooseSwapProposal(const QString& alert, const QStringList& proposals) = 0;

    // "Absences des participants", until the user closes it.
    virtual void showAbsences(const AbsencesWindow& window) = 0;
};
