#include "roster_window/MonthHeaderView.h"

#include "roster_window/YearGrid.h"

#include <QPainter>
#include <QStyleOptionHeader>

MonthHeaderView::MonthHeaderView(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
}

void MonthHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    // Both sections of a month paint the whole month, so the name stays whole whichever of
    // the two is being repainted.
    const int labelColumn = YearGrid::IsLabelColumn(logicalIndex) ? logicalIndex : logicalIndex - 1;
    const int left = sectionViewportPosition(labelColumn);
    const int width = sectionSize(labelColumn) + sectionSize(labelColumn + 1);

    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = QRect(left, rect.top(), width, rect.height());
    option.section = labelColumn;
    option.text = YearGrid::MonthName(YearGrid::MonthOfColumn(labelColumn));
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
}
