#include "reports/dialogs/StatisticsDialog.h"

#include "controls/HelpSection.h"
#include "reports/Statistics.h"
#include "reports/dialogs/FairnessView.h"
#include "reports/dialogs/PrintButtons.h"
#include "reports/dialogs/StatisticsChart.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

StatisticsDialog::StatisticsDialog(const StatisticsReport& report, QWidget* parent)
    : QDialog(parent)
    , table_(new QTreeWidget(this))
    , tabs_(new QTabWidget(this))
    , fairness_(new FairnessView(report.fairness, tabs_))
    , statisticsCommands_(report.commands)
    , fairnessCommands_(report.fairness.commands)
{
    setWindowTitle(report.title);
    SetHelpSection(*this, QStringLiteral("statistiques"));
    tabs_->addTab(makeStatisticsTab(report), QStringLiteral("Statistiques"));
    tabs_->addTab(fairness_, QStringLiteral("Équité"));

    auto* buttons = new QDialogButtonBox(this);
    AddPrintButtons(*buttons,
                    {[this] { shownCommands().print(); }, [this] { shownCommands().preview(); },
                     [this] { shownCommands().saveAsPdf(); }});
    QPushButton* details =
        buttons->addButton(QStringLiteral("&Détails"), QDialogButtonBox::ActionRole);
    connect(details, &QPushButton::clicked, this, [this, show = report.showDetails] {
        if (const QTreeWidgetItem* selected = table_->currentItem())
            show(selected->text(0));
    });
    // The details are those of a line of the statistics.
    // Its help is that of the tab shown.
    connect(tabs_, &QTabWidget::currentChanged, details, [this, details] {
        const bool fairness = tabs_->currentWidget() == fairness_;
        details->setEnabled(!fairness);
        SetHelpSection(*this, fairness ? QStringLiteral("equite") : QStringLiteral("statistiques"));
    });
    connect(buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    resize(820, 620);
}

QWidget* StatisticsDialog::makeStatisticsTab(const StatisticsReport& report)
{
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

    auto* tab = new QWidget(tabs_);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(table_, 1);
    layout->addWidget(new StatisticsChart(report.lines, tab));
    return tab;
}

PrintCommands StatisticsDialog::shownCommands() const
{
    if (tabs_->currentWidget() == fairness_)
        return fairnessCommands_(fairness_->table());
    return statisticsCommands_;
}
