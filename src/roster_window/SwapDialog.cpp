#include "roster_window/SwapDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"
#include "roster_window/YearDateField.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

SwapDialog::SwapDialog(QDate day, Describe describe, QWidget* parent)
    : QDialog(parent)
    , day_(day)
    , describe_(std::move(describe))
    , side_(new QLabel(this))
    , other_(new YearDateField(day.year(), this))
    , otherSide_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Échanger deux gardes"));
    SetHelpSection(*this, QStringLiteral("echanger"));
    otherSide_->setTextFormat(Qt::PlainText);
    connect(other_, &QDateEdit::dateChanged, otherSide_,
            [this](QDate other) { otherSide_->setText(describe_(other)); });
    // A week later is where a swap is most often looked for.
    other_->setDate(day.addDays(7).year() == day.year() ? day.addDays(7) : day.addDays(-7));

    auto* fields = new QFormLayout(this);
    side_->setTextFormat(Qt::PlainText);
    side_->setText(describe_(day));
    fields->addRow(QStringLiteral("Échanger la garde de :"), side_);
    auto* otherLabel = new QLabel(QStringLiteral("A&vec celle du :"), this);
    otherLabel->setBuddy(other_);
    fields->addRow(otherLabel, other_);
    fields->addRow(QString(), otherSide_);
    fields->addRow(
        new QLabel(QStringLiteral("Vous pouvez aussi cliquer l'autre jour sur la grille."), this));
    fields->addRow(AcceptOrCancel(*this, QStringLiteral("É&changer")));
}

void SwapDialog::accept()
{
    emit swapChosen(day_, otherDay());
}

QDate SwapDialog::otherDay() const
{
    return other_->date();
}

void SwapDialog::setOtherDay(QDate day)
{
    if (day != day_)
        other_->setDate(day);
}

void SwapDialog::refresh()
{
    side_->setText(describe_(day_));
    otherSide_->setText(describe_(otherDay()));
}

QString SwapDialog::otherSide() const
{
    return otherSide_->text();
}
