#pragma once

#include <QHeaderView>

// The year grid's header row: each month's name spans its two columns, centred.
class MonthHeaderView : public QHeaderView {
    Q_OBJECT

public:
    explicit MonthHeaderView(QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};
