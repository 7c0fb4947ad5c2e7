#include "reports/dialogs/FairnessView.h"

#include "reports/Fairness.h"
#include "reports/FairnessLayout.h"
#include "reports/dialogs/FairnessChart.h"
#include "store/Settings.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QStringList Row(const QString& name, const std::array<QString, FairnessColumnCount>& cells)
{
    QStringList row{name};
    row.append(QStringList(cells.begin(), cells.end()));
    return row;
}

} // namespace

FairnessView::FairnessView(const FairnessReport& report, QWidget* parent)
    : QWidget(parent)
    , report_(report)
    , ledger_{report.year}
    , years_(new QLabel(this))
    , tree_(new QTreeWidget(this))
    , chart_(new FairnessChart(this))
{
    auto* add = new QPushButton(QStringLiteral("Ajouter une autre année..."), this);
    connect(add, &QPushButton::clicked, this, &FairnessView::addYear);
    auto* yearsRow = new QHBoxLayout;
    yearsRow->addWidget(years_, 1);
    yearsRow->addWidget(add);

    tree_->setHeaderLabels(Row(QStringLiteral("Médecin"), FairnessHeadings()));
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->headerItem()->setToolTip(FairnessKindCount,
                                    QStringLiteral("24, 25 et 31 décembre, 1er janvier"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(yearsRow);
    layout->addLayout(makeWeightsRow());
    layout->addWidget(tree_, 1);
    layout->addWidget(chart_);
    refresh();
}

QLayout* FairnessView::makeWeightsRow()
{
    static const std::array<QString, DayTypeCount> labels = {
        QStringLiteral("&Jour de semaine :"), QStringLiteral("Sa&medi :"),
        QStringLiteral("Dimanche ou fé&rié :")};
    const FairnessWeights stored = Settings().dutyWeights().value_or(DefaultWeights);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Points par garde"), this));
    for (int type = 0; type < DayTypeCount; ++type) {
        auto* box = new QDoubleSpinBox(this);
        box->setRange(0, 100);
        box->setSingleStep(0.5);
        box->setValue(stored[type]);
        connect(box, &QDoubleSpinBox::valueChanged, this, &FairnessView::weightsChanged);
        auto* label = new QLabel(labels[type], this);
        label->setBuddy(box);
        row->addSpacing(12);
        row->addWidget(label);
        row->addWidget(box);
        weights_[type] = box;
    }
    row->addStretch();
    return row;
}

void FairnessView::addYear()
{
    const std::optional<FairnessYear> year = report_.addYear(table_.years);
    if (!year)
        return;
    ledger_.append(*year);
    std::sort(ledger_.begin(), ledger_.end(),
              [](const FairnessYear& a, const FairnessYear& b) { return a.year < b.year; });
    refresh();
}

void FairnessView::weightsChanged()
{
    FairnessWeights weights{};
    for (int type = 0; type < DayTypeCount; ++type)
        weights[type] = weights_[type]->value();
    Settings().setDutyWeights(weights);
    refresh();
}

void FairnessView::refresh()
{
    table_.years.clear();
    for (const FairnessYear& year : ledger_)
        table_.years.append(year.year);
    for (int type = 0; type < DayTypeCount; ++type)
        table_.weights[type] = weights_[type]->value();
    table_.rotations = ComputeFairness(ledger_, report_.rotations, table_.weights);
    years_->setText(QStringLiteral("Années comptées : ") + YearsText(table_.years));
    tree_->clear();
    for (const FairnessRotation& rotation : table_.rotations)
        addRotation(rotation);
    tree_->expandAll();
    chart_->setRotations(table_.rotations);
}

void FairnessView::addRotation(const FairnessRotation& rotation)
{
    auto* heading = new QTreeWidgetItem(tree_, {rotation.heading});
    heading->setFirstColumnSpanned(true);
    QFont bold = font();
    bold.setBold(true);
    heading->setFont(0, bold);
    for (const FairnessLine& line : rotation.lines) {
        auto* item = new QTreeWidgetItem(heading, Row(line.doctor, FairnessCells(line)));
        for (int column = 0; column < FairnessColumnCount; ++column) {
            if (!IsBeyondOneDuty(line, column))
                continue;
            item->setBackground(column + 1, BeyondOneDutyColour);
            // Legible on the light colour whatever the desktop's theme.
            item->setForeground(column + 1, QColor(Qt::black));
            item->setToolTip(column + 1,
                             QStringLiteral("Plus d'une garde d'écart avec la moyenne"));
        }
    }
    QFont italic = font();
    italic.setItalic(true);
    auto* mean = new QTreeWidgetItem(heading, Row(QStringLiteral("Moyenne"), MeanCells(rotation)));
    for (int column = 0; column <= FairnessColumnCount; ++column)
        mean->setFont(column, italic);
}
