#include "roster_window/VerificationWindow.h"

#include "reports/RosterAlerts.h"
#include "roster_window/AlertCount.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

VerificationWindow::VerificationWindow(const RosterAlerts& alerts, QWidget* parent)
    : QDialog(parent)
    , alerts_(alerts)
    , count_(new QLabel(this))
    , list_(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("Vérification du tour de garde"));
    list_->setHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Participant"), QStringLiteral("Règle")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        emit dayChosen(item->data(0, Qt::UserRole).toDate());
    });
    connect(&alerts, &RosterAlerts::changed, this, &VerificationWindow::reload);

    auto* buttons = new QDialogButtonBox(this);
    connect(
        buttons->addButton(QStringLiteral("&Proposer des échanges"), QDialogButtonBox::ActionRole),
        &QPushButton::clicked, this, [this] {
            if (QTreeWidgetItem* item = list_->currentItem()) {
                // A copy: the exchange made rechecks the alerts.
                const RuleAlert alert = alerts_.all().at(list_->indexOfTopLevelItem(item));
                emit swapsAsked(alert);
            }
        });
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(680, 420);
    reload();
}

void VerificationWindow::reload()
{
    const QLocale french(QLocale::French);
    list_->clear();
    for (const RuleAlert& alert : alerts_.all()) {
        auto* row =
            new QTreeWidgetItem(list_, {french.toString(alert.day, QStringLiteral("ddd d MMMM")),
                                        alert.doctor, alert.text});
        row->setData(0, Qt::UserRole, alert.day);
    }
    count_->setText(AlertCount(alerts_.all().size()));
}
