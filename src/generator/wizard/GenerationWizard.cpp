#include "generator/wizard/GenerationWizard.h"

#include "generator/RosterGenerator.h"
#include "generator/WeekdayRotation.h"
#include "generator/WeekdayTexts.h"
#include "store/RosterDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString WeekdaySection = QStringLiteral("Gardes de semaine");
const QString WeekendSection = QStringLiteral("Gardes de week-ends et jours fériés");
const QString ListAdvice =
    QStringLiteral("(Entrez si possible un nom, ou un nom et l'initiale du prénom. Ne créez pas "
                   "ici d'entrée pour les remplaçants)");

QLabel* WrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    // Participants' names are shown as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// Double click and Enter in a participant list do what its add button does.
class AddOnEnter : public QObject {
public:
    AddOnEnter(QListWidget* list, std::function<void()> add)
        : QObject(list)
        , add_(std::move(add))
    {
        list->installEventFilter(this);
        // Also below the last name and in an empty list, where the first name is added.
        list->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            add_();
            return true;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        add_();
        return true;
    }

private:
    std::function<void()> add_;
};

void FillCombo(QComboBox* combo, const QStringList& names, const QString& current)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(std::max<int>(0, names.indexOf(current)));
}

void FillList(QListWidget* list, const QStringList& rows, int selected)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(rows);
    list->setCurrentRow(selected);
}

} // namespace

QString GenerationWizard::helpSection() const
{
    switch (flow_.panel()) {
    case WizardPanel::Step1:
        return QStringLiteral("assistant-etape1");
    case WizardPanel::Step2:
        return QStringLiteral("assistant-etape2");
    case WizardPanel::Step3:
        return QStringLiteral("assistant-etape3");
    case WizardPanel::FixedDayStep4:
    case WizardPanel::NoFixedDayStep4:
        return QStringLiteral("assistant-etape4");
    case WizardPanel::Step5:
        return QStringLiteral("assistant-etape5");
    case WizardPanel::Step6:
        return QStringLiteral("assistant-etape6");
    case WizardPanel::Step7:
        return QStringLiteral("assistant-etape7");
    case WizardPanel::Final:
        break;
    }
    return QStringLiteral("assistant-terminer");
}

GenerationWizard::GenerationWizard(Interaction& ui, int currentYear, QWidget* parent)
    : QDialog(parent)
    , ui_(ui)
    , flow_(ui, currentYear)
    , panels_(new QStackedWidget(this))
    , previous_(new QPushButton(QStringLiteral("< &Précédent"), this))
    , next_(new QPushButton(QStringLiteral("&Suivant >"), this))
{
    setWindowTitle(QStringLiteral("Assistant de création de tours de garde"));
    panels_->addWidget(buildStep1());
    panels_->addWidget(buildListStep(
        ParticipantListKind::Weekday,
        QStringLiteral("Etablissez la liste officielle des participants au tour de garde de "
                       "semaine:\n") +
            ListAdvice));
    panels_->addWidget(buildStep3());
    panels_->addWidget(buildFixedDayStep4());
    panels_->addWidget(buildNoFixedDayStep4());
    panels_->addWidget(buildStep5());
    panels_->addWidget(buildListStep(
        ParticipantListKind::Weekend,
        QStringLiteral("Etablissez la liste officielle des participants au tour de garde de "
                       "week-ends:\n") +
            ListAdvice));
    panels_->addWidget(buildStep7());
    panels_->addWidget(buildFinalPage());

    auto* help = new QToolButton(this);
    help->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    help->setIconSize(QSize(32, 32));
    help->setAutoRaise(true);
    help->setToolTip(QStringLiteral("Aide"));
    connect(help, &QToolButton::clicked, this, &GenerationWizard::helpRequested);
    auto* cancel = new QPushButton(QStringLiteral("&Annuler"), this);
    connect(previous_, &QPushButton::clicked, this, &GenerationWizard::pressPrevious);
    connect(next_, &QPushButton::clicked, this, &GenerationWizard::pressNext);
    // "&Annuler" is a choice made: only Escape and the close box ask first.
    connect(cancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
    next_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addSpacing(12);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panels_, 1);
    layout->addLayout(buttons);
    resize(720, 560);
    refresh();
}

GenerationWizard::~GenerationWizard()
{
    // The year field is left as the dialog hides on its way out, after this part of it is gone.
    year_->disconnect(this);
}

QWidget* GenerationWizard::panel(const QString& section, const QString& step, QLayout* content)
{
    auto* widget = new QWidget(this);
    auto* layout = new QVBoxLayout(widget);
    if (!section.isEmpty()) {
        auto* title = new QLabel(QStringLiteral("<b>%1</b><br>%2").arg(section, step), widget);
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() * 1.2);
        title->setFont(font);
        layout->addWidget(title);
        layout->addSpacing(8);
    }
    layout->addLayout(content);
    layout->addStretch();
    return widget;
}

QHBoxLayout* GenerationWizard::orderingRow(QListWidget* list, const std::function<void(bool)>& move,
                                           const QList<QWidget*>& more)
{
    auto* up = new QPushButton(QStringLiteral("Déplacer vers le haut"), this);
    auto* down = new QPushButton(QStringLiteral("Déplacer vers le bas"), this);
    connect(up, &QPushButton::clicked, this, [move] { move(true); });
    connect(down, &QPushButton::clicked, this, [move] { move(false); });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(up);
    buttons->addWidget(down);
    for (QWidget* widget : more)
        buttons->addWidget(widget);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list, 1);
    row->addLayout(buttons);
    return row;
}

QWidget* GenerationWizard::buildStep1()
{
    auto* content = new QVBoxLayout;
    content->addWidget(WrappedLabel(
        QStringLiteral("Cet assistant va vous aider dans la collecte des informations nécessaires "
                       "à la création d'un tour de garde.\n"
                       "Une fois généré, vous pourrez modifier, sauvegarder, imprimer ce tour de "
                       "garde, et éditer des mémoires d'honoraires."),
        this));
    auto* yearRow = new QHBoxLayout;
    year_ = new QLineEdit(flow_.yearText(), this);
    year_->setMaximumWidth(80);
    yearRow->addWidget(new QLabel(QStringLiteral("Indiquez l'année (sur 4 chiffres):"), this));
    yearRow->addWidget(year_);
    yearRow->addStretch();
    content->addSpacing(12);
    content->addLayout(yearRow);
    weekdays_ = new QCheckBox(QStringLiteral("Cochez cette case pour que le tour de garde intègre "
                                             "les jours de semaine"),
                              this);
    weekends_ = new QCheckBox(QStringLiteral("Cochez cette case pour que le tour de garde intègre "
                                             "les week-ends et jours fériés"),
                              this);
    eve_ = new QCheckBox(QStringLiteral("Cochez cette case pour qu'une garde de jour férié débute "
                                        "la veille (même participant pour les 2 jours)"),
                         this);
    for (QCheckBox* box : {weekdays_, weekends_, eve_})
        content->addWidget(box);
    connect(year_, &QLineEdit::textEdited, this,
            [this](const QString& text) { flow_.setYearText(text); });
    connect(year_, &QLineEdit::editingFinished, this, [this] {
        flow_.expandYearText();
        year_->setText(flow_.yearText());
    });
    connect(weekdays_, &QCheckBox::toggled, this, [this](bool on) { flow_.includesWeekdays = on; });
    connect(weekends_, &QCheckBox::toggled, this, [this](bool on) { flow_.includesWeekends = on; });
    connect(eve_, &QCheckBox::toggled, this, [this](bool on) { flow_.eveOption = on; });
    return panel(QStringLiteral("Générateur de tours de garde"),
                 QStringLiteral("Etape 1: Choix du type de tour"), content);
}

QWidget* GenerationWizard::buildListStep(ParticipantListKind kind, const QString& text)
{
    const bool weekday = kind == ParticipantListKind::Weekday;
    auto* list = new QListWidget(this);
    (weekday ? weekdayList_ : weekendList_) = list;
    auto* add = new QPushButton(QStringLiteral("Ajouter un participant"), this);
    auto* remove = new QPushButton(QStringLiteral("Supprimer un participant"), this);
    (weekday ? removeWeekday_ : removeWeekend_) = remove;
    auto* import = new QPushButton(QStringLiteral("Récupérer une liste existante"), this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add, remove, import})
        buttons->addWidget(button);
    if (!weekday) {
        copyWeekdays_ = new QPushButton(QStringLiteral("Recopier la liste de semaine"), this);
        buttons->addWidget(copyWeekdays_);
        connect(copyWeekdays_, &QPushButton::clicked, this, [this] {
            flow_.copyWeekdayList();
            refreshList(ParticipantListKind::Weekend);
        });
    }
    buttons->addStretch();

    const auto addParticipant = [this, kind] {
        flow_.addParticipant(kind);
        refreshList(kind);
        listOf(kind)->setCurrentRow(listOf(kind)->count() - 1);
    };
    new AddOnEnter(list, addParticipant);
    connect(add, &QPushButton::clicked, this, addParticipant);
    connect(remove, &QPushButton::clicked, this, [this, kind] {
        flow_.removeParticipant(kind, listOf(kind)->currentRow());
        refreshList(kind);
    });
    connect(import, &QPushButton::clicked, this, [this, kind] {
        flow_.importParticipants(kind);
        refreshList(kind);
    });

    auto* row = new QHBoxLayout;
    row->addWidget(list, 1);
    row->addLayout(buttons);
    auto* content = new QVBoxLayout;
    content->addWidget(WrappedLabel(text, this));
    content->addLayout(row);
    return panel(weekday ? WeekdaySection : WeekendSection,
                 weekday ? QStringLiteral("Etape 2: Nom des participants.")
                         : QStringLiteral("Etape 6: Nom des participants."),
                 content);
}

QWidget* GenerationWizard::buildStep3()
{
    auto* content = new QVBoxLayout;
    step3Label_ = WrappedLabel({}, this);
    content->addWidget(step3Label_);
    const QString captions[3] = {QStringLiteral("Option 1"), QStringLiteral("Option 2"),
                                 QStringLiteral("Option sans jour fixe")};
    const WeekdayOption options[3] = {WeekdayOption::Option1, WeekdayOption::Option2,
                                      WeekdayOption::NoFixedDay};
    for (int i = 0; i < 3; ++i) {
        options_[i] = new QRadioButton(captions[i], this);
        optionTexts_[i] = WrappedLabel({}, this);
        optionTexts_[i]->setContentsMargins(24, 0, 0, 6);
        content->addWidget(options_[i]);
        content->addWidget(optionTexts_[i]);
        connect(options_[i], &QRadioButton::clicked, this,
                [this, option = options[i]] { flow_.chooseOption(option); });
    }
    optionTexts_[2]->setText(NoFixedDayDescription());
    return panel(WeekdaySection, QStringLiteral("Etape 3: Choix de l'algorythme."), content);
}

QWidget* GenerationWizard::buildFixedDayStep4()
{
    instruction_ = WrappedLabel({}, this);
    periodList_ = new QListWidget(this);
    auto* rename = new QPushButton(QStringLiteral("Changer le nom"), this);
    floatingLabel_ = new QLabel(QStringLiteral("Participant \"volant\":"), this);
    floating_ = new QComboBox(this);
    QHBoxLayout* row = orderingRow(periodList_,
                                   [this](bool up) {
                                       flow_.movePosition(up);
                                       refreshFixedDayStep4();
                                   },
                                   {rename, floatingLabel_, floating_});
    firstWeekText_ = WrappedLabel({}, this);
    weekCounter_ = new QSpinBox(this);
    weekCounter_->setMinimum(1);
    auto* counterRow = new QHBoxLayout;
    counterRow->addWidget(firstWeekText_, 1);
    counterRow->addWidget(weekCounter_);

    const auto changeName = [this] {
        flow_.changeName();
        refreshFixedDayStep4();
    };
    new AddOnEnter(periodList_, changeName);
    connect(rename, &QPushButton::clicked, this, changeName);
    connect(periodList_, &QListWidget::currentRowChanged, this,
            [this](int row) { flow_.selectPosition(row + 1); });
    connect(floating_, &QComboBox::textActivated, this,
            [this](const QString& name) { flow_.setFloatingParticipant(name); });
    connect(weekCounter_, &QSpinBox::valueChanged, this,
            [this](int week) { flow_.setWeekCounter(week); });

    auto* content = new QVBoxLayout;
    content->addWidget(instruction_);
    content->addLayout(row);
    content->addLayout(counterRow);
    return panel(WeekdaySection, QStringLiteral("Etape 4: Ordonnancement."), content);
}

QWidget* GenerationWizard::buildNoFixedDayStep4()
{
    noFixedDayList_ = new QListWidget(this);
    QHBoxLayout* row = orderingRow(noFixedDayList_, [this](bool up) {
        flow_.movePosition(up);
        refreshNoFixedDayStep4();
    });
    firstParticipantText_ = WrappedLabel({}, this);
    firstParticipant_ = new QComboBox(this);

    connect(noFixedDayList_, &QListWidget::currentRowChanged, this,
            [this](int row) { flow_.selectPosition(row + 1); });
    connect(firstParticipant_, &QComboBox::textActivated, this,
            [this](const QString& name) { flow_.setFirstParticipant(name); });

    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Ordonnez la liste des participants:"), this));
    content->addLayout(row);
    content->addWidget(firstParticipantText_);
    content->addWidget(firstParticipant_);
    return panel(WeekdaySection, QStringLiteral("Etape 4: Ordonnancement."), content);
}

QWidget* GenerationWizard::buildStep5()
{
    step5Label_ = WrappedLabel({}, this);
    step5List_ = new QListWidget(this);
    connect(step5List_, &QListWidget::currentRowChanged, this,
            [this](int row) { flow_.setStep5Choice(row); });
    auto* content = new QVBoxLayout;
    content->addWidget(step5Label_);
    content->addWidget(step5List_);
    return panel(WeekdaySection, QStringLiteral("Etape 5: Compléments d'information."), content);
}

QWidget* GenerationWizard::buildStep7()
{
    weekendOrder_ = new QListWidget(this);
    QHBoxLayout* row = orderingRow(weekendOrder_, [this](bool up) {
        flow_.moveWeekendPosition(up);
        refreshStep7();
    });
    firstHoliday_ = new QComboBox(this);
    // A check box does not wrap its text: the long caption is a label beside an empty box.
    grouping_ = new QCheckBox(this);
    auto* groupingText = WrappedLabel(
        QStringLiteral("Regrouper sous la même garde un vendredi férié avec le week-end qui le "
                       "suit, un lundi férié avec le week-end qui le précède, deux jours fériés "
                       "consécutifs."),
        this);
    groupingText->setBuddy(grouping_);
    auto* groupingRow = new QHBoxLayout;
    groupingRow->addWidget(grouping_, 0, Qt::AlignTop);
    groupingRow->addWidget(groupingText, 1);

    connect(weekendOrder_, &QListWidget::currentRowChanged, this,
            [this](int row) { flow_.selectWeekendPosition(row + 1); });
    connect(firstHoliday_, &QComboBox::textActivated, this,
            [this](const QString& name) { flow_.setFirstHolidayParticipant(name); });
    connect(grouping_, &QCheckBox::toggled, this, [this](bool on) { flow_.setGrouping(on); });

    auto* content = new QVBoxLayout;
    content->addWidget(new QLabel(QStringLiteral("Ordonnez la liste des participants:"), this));
    content->addLayout(row);
    content->addWidget(
        new QLabel(QStringLiteral("Indiquez qui est de garde le 1er janvier:"), this));
    content->addWidget(firstHoliday_);
    content->addLayout(groupingRow);
    return panel(WeekendSection, QStringLiteral("Etape 7: Ordonnancement."), content);
}

QWidget* GenerationWizard::buildFinalPage()
{
    auto* content = new QVBoxLayout;
    content->addWidget(WrappedLabel(
        QStringLiteral(
            "La collecte des informations est terminée.\n\n"
            "Un tour de garde va être créé d'après ces renseignements.\n\n"
            "Vous pouvez modifier ce tour de garde à volonté, et le tenir à jour tout au long de "
            "l'année.\n"
            "Il peut être également imprimé, ou transmis sous forme de fichier (fichier brut si "
            "celui à qui il est destiné possède ce programme, ou sous forme de classeur Excel).\n"
            "Vous pouvez également éditer un mémoire d'honoraires d'astreinte.\n\n"
            "Pensez à sauvegarder vos modifications (le programme vous le rappellera le cas "
            "échéant).\n\n"
            "Cliquez sur 'Terminer' pour créer le tour de garde."),
        this));
    return panel({}, {}, content);
}

void GenerationWizard::pressNext()
{
    switch (flow_.next()) {
    case WizardFlow::Outcome::Stay:
    case WizardFlow::Outcome::Moved:
        refresh();
        break;
    case WizardFlow::Outcome::BlankRoster:
        blankYear_ = flow_.year();
        accept();
        break;
    case WizardFlow::Outcome::Generate:
        hide();
        generated_ = CreateGeneratedRoster(flow_.answers(), ui_);
        done(generated_ ? QDialog::Accepted : QDialog::Rejected);
        break;
    }
}

void GenerationWizard::reject()
{
    if (flow_.confirmAbandon())
        QDialog::reject();
}

void GenerationWizard::pressPrevious()
{
    flow_.previous();
    refresh();
}

std::unique_ptr<RosterDatabase> GenerationWizard::takeGeneratedRoster()
{
    return std::move(generated_);
}

QListWidget* GenerationWizard::listOf(ParticipantListKind kind) const
{
    return kind == ParticipantListKind::Weekday ? weekdayList_ : weekendList_;
}

void GenerationWizard::refresh()
{
    const WizardPanel shown = flow_.panel();
    panels_->setCurrentIndex(static_cast<int>(shown));
    previous_->setEnabled(shown != WizardPanel::Step1);
    next_->setText(shown == WizardPanel::Final ? QStringLiteral("&Terminer")
                                               : QStringLiteral("&Suivant >"));
    {
        const QSignalBlocker blockers[] = {QSignalBlocker(year_), QSignalBlocker(weekdays_),
                                           QSignalBlocker(weekends_), QSignalBlocker(eve_),
                                           QSignalBlocker(grouping_)};
        year_->setText(flow_.yearText());
        weekdays_->setChecked(flow_.includesWeekdays);
        weekends_->setChecked(flow_.includesWeekends);
        eve_->setChecked(flow_.eveOption);
        grouping_->setChecked(flow_.grouping());
    }
    copyWeekdays_->setEnabled(flow_.includesWeekdays);
    refreshList(ParticipantListKind::Weekday);
    refreshList(ParticipantListKind::Weekend);
    switch (shown) {
    case WizardPanel::Step1:
        year_->setFocus();
        break;
    case WizardPanel::Step2:
        weekdayList_->setFocus();
        break;
    case WizardPanel::Step3:
        refreshStep3();
        break;
    case WizardPanel::FixedDayStep4:
        refreshFixedDayStep4();
        periodList_->setFocus();
        break;
    case WizardPanel::NoFixedDayStep4:
        refreshNoFixedDayStep4();
        noFixedDayList_->setFocus();
        break;
    case WizardPanel::Step5:
        refreshStep5();
        step5List_->setFocus();
        break;
    case WizardPanel::Step6:
        weekendList_->setFocus();
        break;
    case WizardPanel::Step7:
        refreshStep7();
        weekendOrder_->setFocus();
        break;
    case WizardPanel::Final:
        break;
    }
}

void GenerationWizard::refreshList(ParticipantListKind kind)
{
    QListWidget* list = listOf(kind);
    const QStringList& names = flow_.list(kind);
    if (list->count() != names.size() || [&] {
            for (int i = 0; i < list->count(); ++i) {
                if (list->item(i)->text() != names.at(i))
                    return true;
            }
            return false;
        }())
        FillList(list, names, names.isEmpty() ? -1 : 0);
    (kind == ParticipantListKind::Weekday ? removeWeekday_ : removeWeekend_)
        ->setEnabled(!names.isEmpty());
}

void GenerationWizard::refreshStep3()
{
    const Step3Texts texts = flow_.step3Texts();
    step3Label_->setText(texts.label);
    optionTexts_[0]->setText(texts.option1);
    optionTexts_[1]->setText(texts.option2);
    for (int i = 0; i < 2; ++i) {
        options_[i]->setVisible(texts.optionsShown);
        optionTexts_[i]->setVisible(texts.optionsShown);
    }
    const WeekdayOption option = flow_.option();
    for (QRadioButton* button : options_)
        button->setAutoExclusive(false);
    options_[0]->setChecked(option == WeekdayOption::Option1);
    options_[1]->setChecked(option == WeekdayOption::Option2);
    options_[2]->setChecked(option == WeekdayOption::NoFixedDay);
    for (QRadioButton* button : options_)
        button->setAutoExclusive(true);
}

void GenerationWizard::refreshFixedDayStep4()
{
    const QStringList& table = flow_.periodTable();
    QStringList rows;
    for (int position = 1; position <= table.size(); ++position) {
        rows.append(PeriodRowLabel(position, static_cast<int>(table.size())) + QLatin1Char('\t') +
                    table.at(position - 1));
    }
    FillList(periodList_, rows, flow_.selectedPosition() - 1);
    instruction_->setText(flow_.instruction());
    const bool floating = flow_.isFloatingMode();
    floatingLabel_->setVisible(floating);
    floating_->setVisible(floating);
    FillCombo(floating_, flow_.list(ParticipantListKind::Weekday), flow_.floatingParticipant());
    const bool severalWeeks = flow_.weekCount() > 1;
    firstWeekText_->setVisible(severalWeeks);
    weekCounter_->setVisible(severalWeeks);
    firstWeekText_->setText(FirstWeekText(flow_.year()));
    const QSignalBlocker blocker(weekCounter_);
    weekCounter_->setMaximum(std::max(1, flow_.weekCount()));
    weekCounter_->setValue(flow_.weekCounter());
}

void GenerationWizard::refreshNoFixedDayStep4()
{
    FillList(noFixedDayList_, flow_.periodTable(), flow_.selectedPosition() - 1);
    firstParticipantText_->setText(FirstParticipantText(flow_.year()));
    FillCombo(firstParticipant_, flow_.list(ParticipantListKind::Weekday),
              flow_.firstParticipant());
}

void GenerationWizard::refreshStep5()
{
    const Step5Texts texts = flow_.step5Texts();
    step5Label_->setText(texts.label);
    FillList(step5List_, texts.entries, flow_.step5Choice());
}

void GenerationWizard::refreshStep7()
{
    FillList(weekendOrder_, flow_.weekendOrder(), flow_.selectedWeekendPosition() - 1);
    FillCombo(firstHoliday_, flow_.list(ParticipantListKind::Weekend),
              flow_.firstHolidayParticipant());
}
