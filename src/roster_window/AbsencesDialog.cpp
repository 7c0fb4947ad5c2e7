#include "roster_window/AbsencesDialog.h"

#include "controls/HelpSection.h"
#include "roster_window/YearDateField.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A field of the year, on the day chosen on the grid.
QDateEdit* DateField(const AbsencesWindow& window, QWidget* parent)
{
    QDateEdit* field = new YearDateField(window.year, parent);
    field->setDate(window.day);
    return field;
}

} // namespace

AbsencesDialog::AbsencesDialog(const AbsencesWindow& window, QWidget* parent)
    : QDialog(parent)
    , window_(window)
    , list_(new QTreeWidget(this))
    , participant_(new QComboBox(this))
    , first_(DateField(window, this))
    , last_(DateField(window, this))
    , reason_(new QLineEdit(this))
    , change_(new QPushButton(QStringLiteral("&Modifier"), this))
    , remove_(new QPushButton(QStringLiteral("&Supprimer"), this))
{
    setWindowTitle(QStringLiteral("Absences des participants"));
    SetHelpSection(*this, QStringLiteral("absences"));
    list_->setHeaderLabels({QStringLiteral("Participant"), QStringLiteral("Du"),
                            QStringLiteral("Au"), QStringLiteral("Motif")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    participant_->addItems(window.participants);
    reason_->setObjectName(QStringLiteral("reason"));
    reason_->setMaxLength(50);

    auto* fields = new QFormLayout;
    const auto addField = [&](const QString& label, QWidget* field) {
        auto* name = new QLabel(label, this);
        name->setBuddy(field);
        fields->addRow(name, field);
    };
    addField(QStringLiteral("&Participant :"), participant_);
    addField(QStringLiteral("&Du :"), first_);
    addField(QStringLiteral("A&u :"), last_);
    addField(QStringLiteral("M&otif :"), reason_);

    auto* commands = new QDialogButtonBox(this);
    QPushButton* add =
        commands->addButton(QStringLiteral("&Ajouter"), QDialogButtonBox::ActionRole);
    commands->addButton(change_, QDialogButtonBox::ActionRole);
    commands->addButton(remove_, QDialogButtonBox::ActionRole);
    QPushButton* import =
        commands->addButton(QStringLiteral("&Importer les jours indisponibles d'une copie..."),
                            QDialogButtonBox::ActionRole);
    QPushButton* close =
        commands->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
    connect(add, &QPushButton::clicked, this, &AbsencesDialog::addTyped);
    connect(change_, &QPushButton::clicked, this, &AbsencesDialog::changeChosen);
    connect(remove_, &QPushButton::clicked, this, &AbsencesDialog::removeChosen);
    connect(import, &QPushButton::clicked, this, [this] {
        if (window_.importUnavailableDays())
            reload();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::currentItemChanged, this, &AbsencesDialog::showChosen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(fields);
    layout->addWidget(commands);
    resize(640, 480);
    reload();
    // The list, given the focus, would choose its first absence and fill the fields with it:
    // they start on the day chosen on the grid.
    participant_->setFocus();
}

void AbsencesDialog::reload(const std::optional<Absence>& chosen)
{
    absences_ = window_.absences();
    list_->clear();
    for (const Absence& absence : std::as_const(absences_)) {
        auto* row =
            new QTreeWidgetItem(list_, {absence.doctor, absence.first.toString(ShortDateFormat),
                                        absence.last.toString(ShortDateFormat), absence.reason});
        if (chosen && absence.doctor == chosen->doctor && absence.first <= chosen->first &&
            chosen->last <= absence.last)
            list_->setCurrentItem(row);
    }
    showChosen();
}

qsizetype AbsencesDialog::chosenIndex() const
{
    return list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
}

void AbsencesDialog::showChosen()
{
    const qsizetype index = chosenIndex();
    change_->setEnabled(index >= 0);
    remove_->setEnabled(index >= 0);
    if (index < 0)
        return;
    const Absence& absence = absences_.at(index);
    participant_->setCurrentIndex(participant_->findText(absence.doctor, Qt::MatchExactly));
    first_->setDate(absence.first);
    last_->setDate(absence.last);
    reason_->setText(absence.reason);
}

Absence AbsencesDialog::typed() const
{
    return {participant_->currentText(), first_->date(), last_->date(), reason_->text()};
}

void AbsencesDialog::addTyped()
{
    const Absence absence = typed();
    if (window_.add(absence))
        reload(absence);
}

void AbsencesDialog::changeChosen()
{
    const Absence absence = typed();
    if (window_.change(chosenIndex(), absence))
        reload(absence);
}

void AbsencesDialog::removeChosen()
{
    if (window_.remove(chosenIndex()))
        reload();
}
