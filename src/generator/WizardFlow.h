#pragma once

#include "generator/GenerationAnswers.h"
#include "generator/WeekdayTexts.h"

#include <QStringList>

class Interaction;

enum class WizardPanel {
    Step1,
    Step2,
    Step3,
    FixedDayStep4,
    NoFixedDayStep4,
    Step5,
    Step6,
    Step7,
    Final,
};

enum class ParticipantListKind {
    Weekday,
    Weekend,
};

// The generation wizard without its window: what each step holds, the checks and messages
// when a step is left, and which panels are rebuilt when the answers they depend on change.
// The window shows what this holds and forwards the user's actions.
class WizardFlow {
public:
    enum class Outcome {
        Stay,        // a check failed or a question was answered "&Non"
        Moved,       // another panel is shown
        BlankRoster, // the user chose a blank roster for the year
        Generate,    // the answers are complete
    };

    WizardFlow(Interaction& ui, int currentYear);

    WizardPanel panel() const { return panel_; }
    Outcome next();
    void previous();
    // Whether the wizard may close when the user leaves it: at once while no name was typed,
    // otherwise when they confirm that the answers are to be dropped.
    bool confirmAbandon();

    // Step 1. Once step 1 is left, the year text is the full year it was taken for.
    QString yearText() const { return yearText_; }
    void setYearText(const QString& text);
    // Writes a two-digit year as the year it stands for ("27" is 2027), as the field is left.
    void expandYearText();
    int year() const { return year_; }
    bool includesWeekdays = true;
    bool includesWeekends = true;
    bool eveOption = true;

    // Steps 2 and 6.
    const QStringList& list(ParticipantListKind kind) const;
    void addParticipant(ParticipantListKind kind);
    void removeParticipant(ParticipantListKind kind, int index);
    void importParticipants(ParticipantListKind kind);
    void copyWeekdayList();

    // Step 3.
    Step3Texts step3Texts() const { return step3Texts_; }
    WeekdayOption option() const { return option_; }
    void chooseOption(WeekdayOption option);

    // Step 4.
    const QStringList& periodTable() const { return weekday_.periodTable; }
    int selectedPosition() const { return selectedPosition_; }
    void selectPosition(int position) { selectedPosition_ = position; }
    void movePosition(bool up);
    void changeName();
    bool isFloatingMode() const;
    int weekCount() const { return static_cast<int>(weekday_.periodTable.size()) / 5; }
    int weekCounter() const { return weekday_.weekCounter; }
    void setWeekCounter(int week);
    QString floatingParticipant() const { return weekday_.floatingParticipant; }
    void setFloatingParticipant(const QString& name);
    QString firstParticipant() const { return weekday_.firstParticipant; }
    void setFirstParticipant(const QString& name) { weekday_.firstParticipant = name; }
    QString instruction() const { return instruction_; }

    // Step 5.
    Step5Texts step5Texts() const { return step5Texts_; }
    int step5Choice() const { return weekday_.step5Choice; }
    void setStep5Choice(int index) { weekday_.step5Choice = index; }

    // Step 7.
    const QStringList& weekendOrder() const { return weekend_.order; }
    int selectedWeekendPosition() const { return selectedWeekendPosition_; }
    void selectWeekendPosition(int position) { selectedWeekendPosition_ = position; }
    void moveWeekendPosition(bool up);
    QString firstHolidayParticipant() const { return weekend_.firstHolidayParticipant; }
    void setFirstHolidayParticipant(const QString& name);
    bool grouping() const { return grouping_; }
    // The grouping option is kept in the settings at every change.
    void setGrouping(bool grouping);

    // Everything the generation needs, once the final page is reached.
    GenerationAnswers answers() const;

private:
    Outcome leaveStep1();
    Outcome leaveStep2();
    Outcome leaveStep3();
    Outcome leaveStep4();
    Outcome leaveStep6();
    bool listPasses(ParticipantListKind kind);
    void prepareFixedDayStep4();
    void prepareNoFixedDayStep4();
    bool prepareStep5();
    WizardPanel step4Panel() const;
    WizardPanel afterWeekdays() const;
    void weekdayListChanged();
    void algorithmChanged();
    QStringList& mutableList(ParticipantListKind kind);
    void listChanged(ParticipantListKind kind);

    Interaction& ui_;
    WizardPanel panel_ = WizardPanel::Step1;
    QString yearText_;
    int year_ = 0;
    QStringList weekdayList_;
    QStringList weekendList_;
    QList<AdministrativeData> administrativeData_;
    WeekdayOption option_ = WeekdayOption::Option1;
    Step3Texts step3Texts_;
    WeekdayAnswers weekday_;
    int selectedPosition_ = 1;
    QString instruction_;
    Step5Texts step5Texts_;
    WeekendAnswers weekend_;
    int selectedWeekendPosition_ = 1;
    bool grouping_ = false;

    // What must be rebuilt before its panel is shown again.
    bool weekdayListMark_ = true;
    bool algorithmMark_ = true;
    bool step5Mark_ = true;
    bool weekendListMark_ = true;
    bool step5Needed_ = false;
};
