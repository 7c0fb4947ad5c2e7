#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;

// frmMsgBox: the program's own modal message box, for the questions whose answer decides an
// action. The caller sets the properties, shows the box with exec() and reads answer(): the
// position of the pressed button, counted from the left, as text ("1", "2" or "3"). exec()
// returns the same position as a number, 0 when no button answered.
class MessageBox : public QDialog {
    Q_OBJECT

public:
    explicit MessageBox(QWidget* parent = nullptr);

    // Button sets, by position from left to right ("*" default, Enter; "!" cancel, Escape):
    //   1 "OK"                   2 "OK"*, "Annuler"!        3 "&Oui"*, "&Non"!
    //   4 "&Oui"*, "&Non", "Annuler"!   5 "&Réessayer"*, "Annuler"!
    //   6 "&Abandon"*, "&Réessayer", "&Ignorer"!
    // Replaces the buttons of the previous set; any other number leaves the box without buttons.
    void setFormType(int formType);
    // A help context other than 0 adds an "Aide" button after the set's buttons; pressing it,
    // or F1, emits helpRequested with that context and leaves the box open. 0 removes it.
    void setHelpButton(int context);
    // 0 none, 1 critical, 2 warning, 3 information, 4 question.
    void setPictureType(int pictureType);
    void setMessage(const QString& message);
    // The caption; the application's title until set.
    void setTitle(const QString& title);
    // The 1-based position of the button that has the keyboard focus when the box is shown;
    // 0, or a position beyond the last button ("Aide" included), leaves it on the default one.
    void setFocusedButton(int position);

    // Empty until a button answers during the current showing.
    QString answer() const { return answer_; }

    // The buttons as the user sees them, from left to right, "Aide" last.
    QList<QPushButton*> buttons() const;
    const QLabel* messageLabel() const { return message_; }

signals:
    void helpRequested(int context);

public slots:
    // Escape and the title bar's close button come here.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addButton(const QString& caption);
    void updateHelpButton();
    void showPicture(const QPixmap& picture);
    void answerWith(int position);
    void centreOnScreen();

    QLabel* picture_;
    QLabel* message_;
    QHBoxLayout* buttonRow_;
    // The set's buttons in position order; "Aide" is kept apart as it answers nothing.
    QList<QPushButton*> setButtons_;
    QPushButton* helpButton_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    int helpContext_ = 0;
    int focusedButton_ = 0;
    QString answer_;
};
