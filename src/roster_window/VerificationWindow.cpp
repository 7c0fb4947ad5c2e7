#include "roster_window/VerificationWindow.h"

#include "controls/DialogButtons.h"
#include "controls/HelpSection.h"
#include "rules/RosterAlerts.h"
#include "session/AlertCount.h"

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
    SetHelpSection(*this, QStringLiteral("verification"));
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
    connect(buttons->addButton(QStringLiteral("Corri&ger les alertes..."),
                               QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &VerificationWindow::repairAsked);
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::close);
    LeaveEnterToTheList(*buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(count_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(680, 420);
    reload();
}

// The rows are rewritten where they stand: the list keeps its place, and the alert chosen
// stays chosen while it remains.
void VerificationWindow::reload()
{
    const QList<RuleAlert>& alerts = alerts_.all();
    const int current = list_->indexOfTopLevelItem(list_->currentItem());
    const std::optional<RuleAlert> chosen =
        current >= 0 && current < shown_.size() ? std::optional(shown_.at(current)) : std::nullopt;
    while (list_->topLevelItemCount() > alerts.size())
        delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
    const QLocale french(QLocale::French);
    for (qsizetype i = 0; i < alerts.size(); ++i) {
        const RuleAlert& alert = alerts.at(i);
        QTreeWidgetItem* row = i < list_->topLevelItemCount()
                                   ? list_->topLevelItem(static_cast<int>(i))
                                   : new QTreeWidgetItem(list_);
        row->setText(0, french.toString(alert.day, QStringLiteral("ddd d MMMM")));
        row->setText(1, alert.doctor);
        row->setText(2, alert.text);
        row->setData(0, Qt::UserRole, alert.day);
        if (chosen && alert == *chosen)
            list_->setCurrentItem(row);
    }
    shown_ = alerts;
    count_->setText(AlertCount(alerts.size()));
}
