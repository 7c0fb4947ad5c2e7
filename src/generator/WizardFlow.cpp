#include "generator/WizardFlow.h"

#include "document/Interaction.h"
#include "generator/ParticipantList.h"
#include "generator/WeekdayRotation.h"
#include "store/DatabaseError.h"
#include "store/ParticipantNames.h"
#include "store/Roster.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/RosterYear.h"
#include "store/Settings.h"

WizardFlow::WizardFlow(Interaction& ui, int currentYear)
    : ui_(ui)
{
    setYearText(QString::number(currentYear));
    setGrouping(Settings().grouping());
}

void WizardFlow::setYearText(const QString& text)
{
    yearText_ = text;
    weekdayListChanged();
    weekendListMark_ = true;
}

void WizardFlow::weekdayListChanged()
{
    weekdayListMark_ = true;
    algorithmChanged();
}

void WizardFlow::algorithmChanged()
{
    algorithmMark_ = true;
    step5Mark_ = true;
}

const QStringList& WizardFlow::list(ParticipantListKind kind) const
{
    return kind == ParticipantListKind::Weekday ? weekdayList_ : weekendList_;
}

QStringList& WizardFlow::mutableList(ParticipantListKind kind)
{
    return kind == ParticipantListKind::Weekday ? weekdayList_ : weekendList_;
}

void WizardFlow::listChanged(ParticipantListKind kind)
{
    if (kind == ParticipantListKind::Weekday)
        weekdayListChanged();
    else
        weekendListMark_ = true;
}

void WizardFlow::addParticipant(ParticipantListKind kind)
{
    const QString name = ui_.askNewParticipant();
    if (name.isEmpty())
        return;
    // Blanks alone are refused at once; the other name rules wait for the step to be left.
    if (name.trimmed().isEmpty()) {
        ui_.tell(*ParticipantNameProblem(name), MessageIcon::Information);
        return;
    }
    mutableList(kind).append(name);
    listChanged(kind);
}

bool WizardFlow::confirmAbandon()
{
    if (weekdayList_.isEmpty() && weekendList_.isEmpty())
        return true;
    // "&Non" has the focus: a second key pressed in haste keeps what was typed.
    return ui_.ask({QStringLiteral("Abandonner la création du tour de garde ?"), ButtonSet::YesNo,
                    MessageIcon::Question, AnswerNo}) == AnswerYes;
}

void WizardFlow::removeParticipant(ParticipantListKind kind, int index)
{
    QStringList& names = mutableList(kind);
    if (index < 0 || index >= names.size())
        return;
    const int answer = ui_.ask({QStringLiteral("Supprimer %1 ?").arg(names.at(index)),
                                ButtonSet::YesNo, MessageIcon::Question});
    if (answer != AnswerYes)
        return;
    names.removeAt(index);
    listChanged(kind);
}

void WizardFlow::importParticipants(ParticipantListKind kind)
{
    const QString path = ui_.chooseFileToOpen({});
    if (path.isEmpty())
        return;
    const bool weekdays = kind == ParticipantListKind::Weekday;
    QStringList names;
    QList<AdministrativeData> imported;
    try {
        // Read from a working copy, so that the roster file itself is never touched.
        std::unique_ptr<RosterDatabase> db = RosterDatabase::open(MakeWorkingCopy(path).file);
        if (!db) {
            ui_.tell(NotARosterMessage, MessageIcon::Critical);
            return;
        }
        // The participants as the roster holds them, administrative data included.
        const std::unique_ptr<Roster> roster = Roster::load(std::move(db));
        if (!roster) {
            ui_.tell(NotARosterMessage, MessageIcon::Critical);
            return;
        }
        for (const Participant& participant : roster->participantRows()) {
            if (weekdays ? participant.weekdays : participant.weekends) {
                names.append(participant.data.doctor);
                imported.append(participant.data);
            }
        }
    } catch (const DatabaseError&) {
        ui_.tell(NotARosterMessage, MessageIcon::Critical);
        return;
    }
    if (names.isEmpty()) {
        ui_.tell(weekdays ? QStringLiteral("Ce tour de garde ne contient pas de participants à un "
                                           "tour de garde de semaine.")
                          : QStringLiteral("Ce tour de garde ne contient pas de participants à un "
                                           "tour de garde de week-end."),
                 MessageIcon::Information);
        return;
    }
    mutableList(kind) = names;
    administrativeData_.append(imported);
    listChanged(kind);
}

void WizardFlow::copyWeekdayList()
{
    weekendList_ = weekdayList_;
    weekendListMark_ = true;
}

void WizardFlow::chooseOption(WeekdayOption option)
{
    option_ = option;
    algorithmChanged();
}

bool WizardFlow::isFloatingMode() const
{
    return IsFloatingMode(static_cast<int>(weekdayList_.size()), option_);
}

void WizardFlow::movePosition(bool up)
{
    QStringList& table = weekday_.periodTable;
    if (selectedPosition_ < 1 || selectedPosition_ > table.size())
        return;
    selectedPosition_ = up ? MoveUp(table, selectedPosition_) : MoveDown(table, selectedPosition_);
    step5Mark_ = true;
}

void WizardFlow::changeName()
{
    QStringList& table = weekday_.periodTable;
    if (selectedPosition_ < 1 || selectedPosition_ > table.size())
        return;
    const QStringList choices = ChangeNameChoices(weekdayList_, option_);
    const int current = static_cast<int>(choices.indexOf(table.at(selectedPosition_ - 1)));
    const int chosen = ui_.chooseReplacement(choices, current);
    if (chosen < 0 || chosen >= choices.size() || chosen == current)
        return;
    table[selectedPosition_ - 1] = choices.at(chosen);
    step5Mark_ = true;
}

void WizardFlow::setWeekCounter(int week)
{
    weekday_.weekCounter = week;
    step5Mark_ = true;
}

void WizardFlow::setFloatingParticipant(const QString& name)
{
    weekday_.floatingParticipant = name;
    step5Mark_ = true;
}

void WizardFlow::moveWeekendPosition(bool up)
{
    QStringList& order = weekend_.order;
    if (selectedWeekendPosition_ < 1 || selectedWeekendPosition_ > order.size())
        return;
    selectedWeekendPosition_ =
        up ? MoveUp(order, selectedWeekendPosition_) : MoveDown(order, selectedWeekendPosition_);
}

void WizardFlow::setFirstHolidayParticipant(const QString& name)
{
    weekend_.firstHolidayParticipant = name;
}

void WizardFlow::setGrouping(bool grouping)
{
    grouping_ = grouping;
    Settings().setGrouping(grouping);
}

WizardFlow::Outcome WizardFlow::next()
{
    switch (panel_) {
    case WizardPanel::Step1:
        return leaveStep1();
    case WizardPanel::Step2:
        return leaveStep2();
    case WizardPanel::Step3:
        return leaveStep3();
    case WizardPanel::FixedDayStep4:
    case WizardPanel::NoFixedDayStep4:
        return leaveStep4();
    case WizardPanel::Step5:
        panel_ = afterWeekdays();
        return Outcome::Moved;
    case WizardPanel::Step6:
        return leaveStep6();
    case WizardPanel::Step7:
        panel_ = WizardPanel::Final;
        return Outcome::Moved;
    case WizardPanel::Final:
        return Outcome::Generate;
    }
    return Outcome::Stay;
}

void WizardFlow::expandYearText()
{
    const std::optional<qint64> typed = RoundedNumber(yearText_);
    if (!typed)
        return;
    const qint64 year = ExpandTwoDigitYear(*typed);
    if (year != *typed && IsRosterYear(year))
        yearText_ = QString::number(year);
}

WizardFlow::Outcome WizardFlow::leaveStep1()
{
    const std::optional<qint64> typed = RoundedNumber(yearText_);
    if (!typed) {
        ui_.tell(QStringLiteral("Entrez une année valide."), MessageIcon::Information);
        return Outcome::Stay;
    }
    const qint64 year = ExpandTwoDigitYear(*typed);
    if (!IsRosterYear(year)) {
        ui_.tell(RosterYearRangeMessage(), MessageIcon::Warning);
        return Outcome::Stay;
    }
    year_ = static_cast<int>(year);
    // The field shows the year the text stands for ("27" is 2027); the marks stay as they are,
    // since the year itself does not change.
    yearText_ = QString::number(year_);
    if (!includesWeekdays && !includesWeekends) {
        const int answer = ui_.ask(
            {QStringLiteral("Vous n'avez coché aucune des deux cases de type de tour de garde.\r\n"
                            "Ceci créera un tour de garde vierge, à remplir entièrement "
                            "manuellement.\r\n"
                            "Est-ce celà que vous souhaitez faire ?"),
             ButtonSet::YesNo, MessageIcon::Question});
        return answer == AnswerYes ? Outcome::BlankRoster : Outcome::Stay;
    }
    panel_ = includesWeekdays ? WizardPanel::Step2 : WizardPanel::Step6;
    return Outcome::Moved;
}

bool WizardFlow::listPasses(ParticipantListKind kind)
{
    const std::optional<ListProblem> problem = kind == ParticipantListKind::Weekday
                                                   ? CheckWeekdayList(weekdayList_)
                                                   : CheckWeekendList(weekendList_);
    if (problem)
        ui_.tell(problem->message,
                 problem->warning ? MessageIcon::Warning : MessageIcon::Information);
    return !problem;
}

WizardFlow::Outcome WizardFlow::leaveStep2()
{
    if (weekdayListMark_) {
        if (!listPasses(ParticipantListKind::Weekday))
            return Outcome::Stay;
        weekdayListMark_ = false;
        step3Texts_ = WeekdayStep3Texts(static_cast<int>(weekdayList_.size()));
    }
    if (option_ == WeekdayOption::NoFixedDay)
        option_ = WeekdayOption::None;
    panel_ = WizardPanel::Step3;
    return Outcome::Moved;
}

WizardFlow::Outcome WizardFlow::leaveStep3()
{
    if (option_ == WeekdayOption::NoFixedDay) {
        prepareNoFixedDayStep4();
        panel_ = WizardPanel::NoFixedDayStep4;
        return Outcome::Moved;
    }
    if (option_ == WeekdayOption::None && weekdayList_.size() % 5 != 0) {
        ui_.tell(QStringLiteral("Choisissez l'une des options proposées avant de continuer."),
                 MessageIcon::Warning);
        return Outcome::Stay;
    }
    prepareFixedDayStep4();
    panel_ = WizardPanel::FixedDayStep4;
    return Outcome::Moved;
}

void WizardFlow::prepareFixedDayStep4()
{
    if (!algorithmMark_)
        return;
    algorithmMark_ = false;
    weekday_.participants = weekdayList_;
    weekday_.option = option_;
    weekday_.periodTable = BuildPeriodTable(weekdayList_, option_);
    weekday_.weekCounter = 1;
    weekday_.floatingParticipant = weekdayList_.last();
    selectedPosition_ = 1;
    const int count = static_cast<int>(weekdayList_.size());
    if (const std::optional<QString> instruction = FixedDayInstruction(count, option_))
        instruction_ = *instruction;
}

void WizardFlow::prepareNoFixedDayStep4()
{
    // The mark stays set: the table is rebuilt at every entry until the fixed-day path is taken.
    if (!algorithmMark_)
        return;
    weekday_.participants = weekdayList_;
    weekday_.option = WeekdayOption::NoFixedDay;
    weekday_.periodTable = weekdayList_;
    weekday_.firstParticipant = weekdayList_.first();
    selectedPosition_ = 1;
}

WizardFlow::Outcome WizardFlow::leaveStep4()
{
    if (SecondaryList(weekday_.periodTable).isEmpty()) {
        ui_.tell(QStringLiteral("Attribuez au moins un jour de la période à un participant."),
                 MessageIcon::Warning);
        return Outcome::Stay;
    }
    if (step5Mark_ ? prepareStep5() : step5Needed_) {
        panel_ = WizardPanel::Step5;
        return Outcome::Moved;
    }
    panel_ = afterWeekdays();
    return Outcome::Moved;
}

bool WizardFlow::prepareStep5()
{
    step5Mark_ = false;
    step5Needed_ = false;
    const std::optional<Step5Texts> step5 = WeekdayStep5(weekday_, year_);
    if (!step5)
        return false;
    step5Texts_ = *step5;
    weekday_.step5Choice = 0;
    step5Needed_ = true;
    return true;
}

WizardPanel WizardFlow::afterWeekdays() const
{
    return includesWeekends ? WizardPanel::Step6 : WizardPanel::Final;
}

WizardFlow::Outcome WizardFlow::leaveStep6()
{
    if (weekendListMark_) {
        if (!listPasses(ParticipantListKind::Weekend))
            return Outcome::Stay;
        weekendListMark_ = false;
        weekend_.order = weekendList_;
        weekend_.firstHolidayParticipant = weekendList_.first();
        selectedWeekendPosition_ = 1;
    }
    panel_ = WizardPanel::Step7;
    return Outcome::Moved;
}

WizardPanel WizardFlow::step4Panel() const
{
    return option_ == WeekdayOption::NoFixedDay ? WizardPanel::NoFixedDayStep4
                                                : WizardPanel::FixedDayStep4;
}

void WizardFlow::previous()
{
    switch (panel_) {
    case WizardPanel::Step1:
        break;
    case WizardPanel::Step2:
        panel_ = WizardPanel::Step1;
        break;
    case WizardPanel::Step3:
        panel_ = WizardPanel::Step2;
        break;
    case WizardPanel::FixedDayStep4:
    case WizardPanel::NoFixedDayStep4:
        panel_ = WizardPanel::Step3;
        break;
    case WizardPanel::Step5:
        panel_ = WizardPanel::FixedDayStep4;
        break;
    case WizardPanel::Step6:
        if (!includesWeekdays)
            panel_ = WizardPanel::Step1;
        else
            panel_ = step5Needed_ ? WizardPanel::Step5 : step4Panel();
        break;
    case WizardPanel::Step7:
        panel_ = WizardPanel::Step6;
        break;
    case WizardPanel::Final:
        if (includesWeekends)
            panel_ = WizardPanel::Step7;
        else
            panel_ = step5Needed_ ? WizardPanel::Step5 : step4Panel();
        break;
    }
}

GenerationAnswers WizardFlow::answers() const
{
    GenerationAnswers answers;
    answers.year = year_;
    answers.includesWeekdays = includesWeekdays;
    answers.includesWeekends = includesWeekends;
    answers.eveOption = eveOption;
    answers.grouping = grouping_;
    answers.weekday = weekday_;
    answers.weekend = weekend_;
    answers.administrativeData = administrativeData_;
    return answers;
}
