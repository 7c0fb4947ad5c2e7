#pragma once

#include <QDate>
#include <QDialog>
#include <functional>

class QDateEdit;
class QLabel;

// "Échanger deux gardes": the day whose duty is to be exchanged, and the other day, chosen in
// the date field or by a click on the grid, each shown with who holds it. It stays open
// beside the grid until the user exchanges or cancels.
class SwapDialog : public QDialog {
    Q_OBJECT

public:
    // The description of a day: "Dr Martin, samedi 12 mars".
    using Describe = std::function<QString(QDate)>;

    SwapDialog(QDate day, Describe describe, QWidget* parent);

    QDate otherDay() const;
    void setOtherDay(QDate day);
    QString otherSide() const;
    // Describes both days again, after the roster changed under the window.
    void refresh();
    // "É&changer" asks for the exchange; the window closes once it is made.
    void accept() override;

signals:
    // "É&changer": the window closes once the exchange is made.
    void swapChosen(QDate first, QDate second);

private:
    QDate day_;
    Describe describe_;
    QLabel* side_;
    QDateEdit* other_;
    QLabel* otherSide_;
};
