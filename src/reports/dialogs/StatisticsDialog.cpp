#include "reports/dialogs/StatisticsDialog.h"

#include "reports/Statistics.h"
#include "reports/dialogs/PrintButtons.h"
#include "reports/dialogs/StatisticsChart.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

StatisticsDialog::StatisticsDialog(const StatisticsReport& report, QWidget* parent)
    : QDialog(parent)
    , table_(new QTreeWidget(this))
{
    setWindowTitle(report.title);
    QStringList headings{QStringLiteral("Médecin")};
    for (const QString& heading : DayTypeHeadings())
        headings.append(heading);
    table_->setHeaderLabels(headings);
    table_->setRootIsDecorated(false);
    for (const StatisticsLine& line : report.lines) {
        QStringList cells{line.doctor};
        for (int type = 0; type < DayTypeCount; ++type)
            cells.append(StatisticsCell(line.days[type], line.shared[type]));
        new QTreeWidgetItem(table_, cells);
    }
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (table_->topLevelItemCount() > 0)
        table_->setCurrentItem(table_->topLevelItem(0));

    auto* buttons = new QDialogButtonBox(this);
    AddPrintButtons(*buttons, report.commands);
    QPushButton* details =
        buttons->addButton(QStringLiteral("&Détails"), QDialogButtonBox::ActionRole);
    connect(details, &QPushButton::clicked, this, [this, show = report.showDetails] {
        if (const QTreeWidgetItem* selected = table_->currentItem())
            show(selected->text(0));
    });
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(new StatisticsChart(report.lines, this));
    layout->addWidget(buttons);
    resize(720, 520);
}
