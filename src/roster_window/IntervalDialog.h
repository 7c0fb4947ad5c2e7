#pragma once

#include <QDialog>

class HourPicker;
class Messages;
class QComboBox;
struct SharedInterval;

// frmEditPartage: one interval of a shared day, its participant and its two times.
class IntervalDialog : public QDialog {
    Q_OBJECT

public:
    IntervalDialog(Messages& ui, const QStringList& participants, QWidget* parent);

    // Shows an existing interval instead of the whole day for the first participant.
    void load(const SharedInterval& interval);
    SharedInterval interval() const;

    void accept() override;

private:
    Messages& ui_;
    QComboBox* doctor_;
    HourPicker* start_;
    HourPicker* end_;
};
