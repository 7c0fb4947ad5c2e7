#include "roster_window/AlertMark.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

void AlertMark::paint(QPainter* painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (index.data(AlertsRole).toStringList().isEmpty())
        return;
    const QRect& cell = option.rect;
    const int side = std::max(5, cell.height() / 2);
    const QPolygon corner(
        {cell.topRight(), cell.topRight() - QPoint(side, 0), cell.topRight() + QPoint(0, side)});
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(QColor(0xD0, 0x10, 0x10));
    painter->drawPolygon(corner);
    painter->restore();
}
