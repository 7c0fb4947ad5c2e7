#include "roster_window/IntervalDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HourPicker.h"
#include "document/Messages.h"
#include "document/ShareCheck.h"
#include "store/DutyHours.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QString DutyDayStart = QStringLiteral("08:00");

} // namespace

IntervalDialog::IntervalDialog(Messages& ui, const QStringList& participants, QWidget* parent)
    : QDialog(parent)
    , ui_(ui)
    , doctor_(new QComboBox(this))
    , start_(new HourPicker(this))
    , end_(new HourPicker(this))
{
    setWindowTitle(QStringLiteral("Partage de garde"));
    doctor_->addItems(participants);
    start_->setValue(DutyDayStart);
    end_->setValue(DutyDayStart);
    for (HourPicker* picker : {start_, end_}) {
        connect(picker, &HourPicker::refused, this,
                [this](const QString& message) { ui_.tell(message, MessageIcon::Warning); });
    }

    auto* info = new QLabel(QStringLiteral("Un jour de garde débute à 08:00 heures et se termine "
                                           "le lendemain matin à 08:00 heures."),
                            this);
    info->setWordWrap(true);
    QDialogButtonBox* buttons = AcceptOrCancel(*this, QStringLiteral("&OK"));
    // Clicked, they leave the focus in a time being typed: "&OK" then checks that time and, when
    // it is refused, keeps the dialog open; "&Annuler" drops it without a word.
    for (QAbstractButton* button : buttons->buttons())
        button->setFocusPolicy(Qt::TabFocus);

    auto* layout = new QGridLayout(this);
    layout->addWidget(info, 0, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("De:"), this), 1, 0);
    layout->addWidget(start_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("à"), this), 1, 2, Qt::AlignCenter);
    layout->addWidget(end_, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Médecin:"), this), 2, 0);
    layout->addWidget(doctor_, 2, 1, 1, 3);
    layout->addWidget(buttons, 3, 0, 1, 4);
    setMinimumWidth(380);
}

void IntervalDialog::load(const SharedInterval& interval)
{
    // A participant of a roster received from a colleague may be missing from this list.
    if (doctor_->findText(interval.doctor) < 0)
        doctor_->addItem(interval.doctor);
    doctor_->setCurrentIndex(doctor_->findText(interval.doctor));
    start_->setValue(HoursToText(interval.start));
    end_->setValue(HoursToText(interval.end));
}

SharedInterval IntervalDialog::interval() const
{
    const std::optional<DutyInterval> hours = TextToHours(start_->value(), end_->value());
    return {doctor_->currentText(), hours ? hours->start : 0, hours ? hours->end : 0};
}

void IntervalDialog::accept()
{
    // A time still being typed is taken first, so that the checks see what the user sees.
    if (!start_->commit() || !end_->commit())
        return;
    const SharedInterval entered = interval();
    if (const std::optional<Notice> problem =
            IntervalProblem(entered.start, entered.end, entered.doctor)) {
        ui_.tell(problem->message, problem->icon);
        return;
    }
    QDialog::accept();
}
