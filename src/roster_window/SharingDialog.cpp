#include "roster_window/SharingDialog.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"
#include "document/ShareCheck.h"
#include "roster_window/IntervalDialog.h"
#include "store/DutyHours.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

SharingDialog::SharingDialog(Messages& ui, const ShareRequest& request, QWidget* parent)
    : QDialog(parent)
    , ui_(ui)
    , participants_(request.participants)
    , intervals_(request.intervals)
    , list_(new QTreeWidget(this))
    , edit_(new QPushButton(QStringLiteral("&Modifier"), this))
    , remove_(new QPushButton(QStringLiteral("&Supprimer"), this))
{
    setWindowTitle(QStringLiteral("Partage de la garde du %1")
                       .arg(QLocale(QLocale::French)
                                .toString(request.day, QStringLiteral("dddd dd MMMM yyyy"))));
    SetHelpSection(*this, QStringLiteral("partager"));
    auto* info = new QLabel(request.info, this);
    info->setTextFormat(Qt::PlainText);
    list_->setHeaderLabels({QStringLiteral("Médecin"), QStringLiteral("De"), QStringLiteral("A")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &SharingDialog::edit);

    auto* add = new QPushButton(QStringLiteral("A&jouter"), this);
    connect(add, &QPushButton::clicked, this, &SharingDialog::add);
    connect(edit_, &QPushButton::clicked, this, &SharingDialog::edit);
    connect(remove_, &QPushButton::clicked, this, &SharingDialog::remove);
    auto* listButtons = new QVBoxLayout;
    for (QPushButton* button : {add, edit_, remove_})
        listButtons->addWidget(button);
    listButtons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    row->addLayout(listButtons);

    auto* buttons =
        AcceptOrCancel(*this, QStringLiteral("&Enregistrer"), QStringLiteral("A&nnuler"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addLayout(row);
    layout->addWidget(buttons);
    resize(480, 320);
    showIntervals(intervals_.isEmpty() ? -1 : 0);
}

void SharingDialog::showIntervals(int selected)
{
    list_->clear();
    for (const SharedInterval& interval : intervals_) {
        list_->addTopLevelItem(new QTreeWidgetItem(
            QStringList{interval.doctor, HoursToText(interval.start), HoursToText(interval.end)}));
    }
    if (selected >= 0)
        list_->setCurrentItem(list_->topLevelItem(selected));
    edit_->setEnabled(!intervals_.isEmpty());
    remove_->setEnabled(!intervals_.isEmpty());
}

void SharingDialog::add()
{
    IntervalDialog dialog(ui_, participants_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    intervals_.append(dialog.interval());
    showIntervals(static_cast<int>(intervals_.size()) - 1);
}

void SharingDialog::edit()
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0)
        return;
    IntervalDialog dialog(ui_, participants_, this);
    dialog.load(intervals_.at(row));
    if (dialog.exec() != QDialog::Accepted)
        return;
    intervals_[row] = dialog.interval();
    showIntervals(row);
}

void SharingDialog::remove()
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0)
        return;
    intervals_.removeAt(row);
    showIntervals(intervals_.isEmpty() ? -1 : 0);
}

void SharingDialog::accept()
{
    if (const std::optional<Notice> problem = ShareProblem(intervals_)) {
        ui_.tell(problem->message, problem->icon);
        return;
    }
    QDialog::accept();
}
