#include "reports/dialogs/DutyListDialog.h"

#include "reports/DutyList.h"
#include "reports/dialogs/PrintButtons.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DutyListDialog::DutyListDialog(const DutyListReport& report, QWidget* parent)
    : QDialog(parent)
    , list_(new QTreeWidget(this))
{
    setWindowTitle(report.title);
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    for (const DutyRow& row : report.rows)
        new QTreeWidgetItem(list_, {DutyDateText(row), DutyHoursText(row)});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(this);
    // There is nothing to print in an empty list.
    for (QPushButton* button : AddPrintButtons(*buttons, report.commands))
        button->setEnabled(!report.rows.isEmpty());
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(420, 480);
}
