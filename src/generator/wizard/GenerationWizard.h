#pragma once

#include "generator/WizardFlow.h"

#include <QDialog>
#include <functional>
#include <memory>

class Interaction;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class RosterDatabase;

// frmAssistant: the seven steps that collect what a generated roster needs. It shows what its
// WizardFlow holds and forwards the user's actions to it; when it closes, the caller takes the
// roster it made, or the year of the blank roster the user asked for.
class GenerationWizard : public QDialog {
    Q_OBJECT

public:
    GenerationWizard(Interaction& ui, int currentYear, QWidget* parent = nullptr);
    ~GenerationWizard() override;

    WizardFlow& flow() { return flow_; }
    // The manual's section about the step in view.
    QString helpSection() const;

    // After "&Terminer": the generated roster, open on its working file.
    std::unique_ptr<RosterDatabase> takeGeneratedRoster();
    // After the blank-roster answer of step 1: its year; 0 otherwise.
    int blankRosterYear() const { return blankYear_; }

    // The navigation buttons, as the user presses them.
    void pressNext();
    void pressPrevious();

    // Escape and the close box: asks first when names were typed.
    void reject() override;

signals:
    void helpRequested();

private:
    QWidget* buildStep1();
    QWidget* buildListStep(ParticipantListKind kind, const QString& text);
    QWidget* buildStep3();
    QWidget* buildFixedDayStep4();
    QWidget* buildNoFixedDayStep4();
    QWidget* buildStep5();
    QWidget* buildStep7();
    QWidget* buildFinalPage();
    QWidget* panel(const QString& section, const QString& step, QLayout* content);
    // An ordering list with its "Déplacer vers le haut" and "Déplacer vers le bas" buttons,
    // and more controls under them.
    QHBoxLayout* orderingRow(QListWidget* list, const std::function<void(bool up)>& move,
                             const QList<QWidget*>& more = {});

    void refresh();
    void refreshList(ParticipantListKind kind);
    void refreshStep3();
    void refreshFixedDayStep4();
    void refreshNoFixedDayStep4();
    void refreshStep5();
    void refreshStep7();
    QListWidget* listOf(ParticipantListKind kind) const;

    Interaction& ui_;
    WizardFlow flow_;
    std::unique_ptr<RosterDatabase> generated_;
    int blankYear_ = 0;

    QStackedWidget* panels_;
    QPushButton* previous_;
    QPushButton* next_;
    QLineEdit* year_;
    QCheckBox* weekdays_;
    QCheckBox* weekends_;
    QCheckBox* eve_;
    QListWidget* weekdayList_ = nullptr;
    QListWidget* weekendList_ = nullptr;
    QPushButton* removeWeekday_ = nullptr;
    QPushButton* removeWeekend_ = nullptr;
    QPushButton* copyWeekdays_ = nullptr;
    QLabel* step3Label_;
    QRadioButton* options_[3];
    QLabel* optionTexts_[3];
    QLabel* instruction_;
    QListWidget* periodList_;
    QLabel* floatingLabel_;
    QComboBox* floating_;
    QLabel* firstWeekText_;
    QSpinBox* weekCounter_;
    QListWidget* noFixedDayList_;
    QLabel* firstParticipantText_;
    QComboBox* firstParticipant_;
    QLabel* step5Label_;
    QListWidget* step5List_;
    QListWidget* weekendOrder_;
    QComboBox* firstHoliday_;
    QCheckBox* grouping_;
};
