#include "session/RosterSession.h"

#include "document/Interaction.h"
#include "document/RosterDocument.h"
#include "session/AlertCount.h"
#include "store/DatabaseError.h"
#include "store/DutyHours.h"

#include <QLocale>

RosterSession::RosterSession(Interaction& ui, std::unique_ptr<RosterDocument> document,
                             QObject* parent)
    : QObject(parent)
    , ui_(ui)
    , document_(std::move(document))
    , alerts_(*document_)
{
    followDocument();
}

RosterSession::~RosterSession()
{
    document_->disconnect(this);
    alerts_.disconnect(this);
}

void RosterSession::followDocument()
{
    RosterDocument* document = document_.get();
    // The alerts are rechecked first (they follow the document from before): the status then
    // reads them as the edit leaves them.
    for (auto changed : {&RosterDocument::daysChanged, &RosterDocument::rulesChanged})
        connect(document, changed, this, &RosterSession::statusChanged);
    connect(document, &RosterDocument::dayChanged, this, &RosterSession::statusChanged);
    connect(document, &RosterDocument::dutiesChanged, this, &RosterSession::statusChanged);
    connect(&alerts_, &RosterAlerts::changed, this, &RosterSession::statusChanged);
    connect(document, &RosterDocument::participantsChanged, this, [this] {
        // A participant renamed or removed is no longer found: the grid goes back to standard.
        const bool ofAParticipant =
            viewMode_ == ViewMode::Doctor || viewMode_ == ViewMode::Absences;
        if (ofAParticipant && !document_->roster().participants().contains(findTarget_))
            chooseViewMode(ViewMode::Standard);
    });
    connect(document, &RosterDocument::absencesChanged, this, [this] {
        if (viewMode_ == ViewMode::Absences)
            emit highlightsChanged();
    });
}

void RosterSession::setCurrentDay(std::optional<QDate> day)
{
    currentDay_ = day;
    emit statusChanged();
}

const RosterDay* RosterSession::currentRosterDay() const
{
    return currentDay_ && document_->isOpen() ? document_->roster().day(*currentDay_) : nullptr;
}

QString RosterSession::findText() const
{
    // The menu ticks the mode; only here can the user see whose duties stand out.
    if (viewMode_ == ViewMode::Doctor)
        return QStringLiteral("Médecin repéré : %1").arg(findTarget_);
    if (viewMode_ == ViewMode::Absences)
        return QStringLiteral("Absences de %1").arg(findTarget_);
    return {};
}

void RosterSession::chooseViewMode(ViewMode mode)
{
    const bool ofAParticipant = mode == ViewMode::Doctor || mode == ViewMode::Absences;
    if (mode == viewMode_ && !ofAParticipant)
        return;
    if (ofAParticipant && !chooseFindTarget())
        return;
    if (mode == ViewMode::Shared)
        findTarget_ = SharedDutyMarker;
    else if (mode == ViewMode::Blank)
        findTarget_.clear();
    viewMode_ = mode;
    emit highlightsChanged();
}

bool RosterSession::chooseFindTarget()
{
    const QStringList& participants = document_->roster().participants();
    if (!document_->requireParticipants())
        return false;
    const int chosen = ui_.chooseParticipant(
        participants, std::max<qsizetype>(0, participants.indexOf(findTarget_)));
    if (chosen < 0 || chosen >= participants.size())
        return false;
    findTarget_ = participants.at(chosen);
    return true;
}

std::optional<bool> RosterSession::isHighlighted(QDate day) const
{
    const RosterDay* row = document_->roster().day(day);
    try {
        if (row)
            return IsHighlighted(viewMode_, *row, findTarget_, document_->roster());
    } catch (const DatabaseError&) {
        // The roster itself is untouched.
    }
    return std::nullopt;
}

QString RosterSession::sharedDayText(const RosterDay& day) const
{
    if (day.doctor != SharedDutyMarker)
        return {};
    try {
        return IntervalsText(document_->roster().intervals(day.date));
    } catch (const DatabaseError&) {
        // Shown without its intervals; the roster itself is untouched.
        return {};
    }
}

QString RosterSession::dutyDescription(const QList<QDate>& days) const
{
    const RosterDay* row = document_->roster().day(days.constFirst());
    QString holder = row ? row->doctor : QString();
    if (holder == SharedDutyMarker)
        holder = sharedDayText(*row);
    if (holder.isEmpty())
        holder = QStringLiteral("Personne");
    const QLocale french(QLocale::French);
    const auto date = [&french](QDate day) {
        return french.toString(day, QStringLiteral("dddd d MMMM"));
    };
    if (days.size() == 1)
        return QStringLiteral("%1, %2").arg(holder, date(days.constFirst()));
    return QStringLiteral("%1, du %2 au %3")
        .arg(holder, date(days.constFirst()), date(days.constLast()));
}

QStringList RosterSession::alertTexts(QDate day) const
{
    QStringList texts;
    for (const RuleAlert& alert : alerts_.of(day))
        texts.append(alert.text);
    return texts;
}

QString RosterSession::statusDay() const
{
    if (!currentDay_ || !document_->isOpen())
        return {};
    return QLocale(QLocale::French).toString(*currentDay_, QStringLiteral("dddd dd MMMM"));
}

QString RosterSession::statusDuty() const
{
    const RosterDay* row = currentRosterDay();
    if (!row)
        return {};
    return row->doctor == SharedDutyMarker ? sharedDayText(*row) : row->doctor;
}

QString RosterSession::statusAlerts() const
{
    return currentRosterDay() ? alertTexts(*currentDay_).join(QStringLiteral(" ; ")) : QString();
}

QString RosterSession::statusAlertCount() const
{
    return document_->isOpen() ? AlertCount(alerts_.all().size()) : QString();
}

bool RosterSession::confirm(const QString& question, const QString& title)
{
    Question asked{question, ButtonSet::YesNo, MessageIcon::Question};
    asked.title = title;
    return ui_.ask(asked) == AnswerYes;
}
