#pragma once

#include <QStyledItemDelegate>

// Paints the grid's cells, with a mark in the corner of a day that breaks a rule: a red
// triangle edged in black, plain on the normal colours, on highlighted days and in grey.
class AlertMark : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The texts of the rules a cell's day breaks, as a string list.
    static constexpr int AlertsRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
