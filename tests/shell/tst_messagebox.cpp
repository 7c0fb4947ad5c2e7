#include "MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QStringList Captions(const MessageBox& box)
{
    QStringList captions;
    for (const QPushButton* button : box.buttons())
        captions.append(button->text());
    return captions;
}

// Shows the box without waiting for an answer, as the user sees it: active, with the focus.
bool ShowActive(MessageBox& box)
{
    box.show();
    return QTest::qWaitForWindowActive(&box);
}

// Runs the box modally while `user` acts on it; a box still open after a while is hidden, so
// that a box that ignores the user fails the test instead of blocking it.
int ExecWhile(MessageBox& box, const std::function<void()>& user)
{
    QTimer::singleShot(0, &box, user);
    QTimer::singleShot(5000, &box, &QWidget::hide);
    return box.exec();
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void eachSetHasItsButtons_data()
    {
        QTest::addColumn<int>("formType");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("defaultPosition"); // 0: none
        QTest::addColumn<QString>("cancelAnswer");
        QTest::newRow("1") << 1 << QStringList{"OK"} << 0 << u"1"_s;
        QTest::newRow("2") << 2 << QStringList{"OK", "Annuler"} << 1 << u"2"_s;
        QTest::newRow("3") << 3 << QStringList{"&Oui", "&Non"} << 1 << u"2"_s;
        QTest::newRow("4") << 4 << QStringList{"&Oui", "&Non", "Annuler"} << 1 << u"3"_s;
        QTest::newRow("5") << 5 << QStringList{"&Réessayer", "Annuler"} << 1 << u"2"_s;
        QTest::newRow("6") << 6 << QStringList{"&Abandon", "&Réessayer", "&Ignorer"} << 1 << u"3"_s;
    }

    void eachSetHasItsButtons()
    {
        QFETCH(int, formType);
        QFETCH(QStringList, captions);
        QFETCH(int, defaultPosition);
        QFETCH(QString, cancelAnswer);
        MessageBox box;
        QCOMPARE(box.windowTitle(), u"Rotalis"_s);
        box.setFormType(formType);
        QCOMPARE(Captions(box), captions);
        for (int position = 1; position <= captions.size(); ++position)
            QCOMPARE(box.buttons().at(position - 1)->isDefault(), position == defaultPosition);

        QVERIFY(ShowActive(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(box.answer(), cancelAnswer);
        QVERIFY(!box.isVisible());

        QVERIFY(ShowActive(box));
        QCOMPARE(box.answer(), QString());
        // What the title bar's close button sends.
        QCloseEvent close;
        QApplication::sendEvent(box.windowHandle(), &close);
        QCOMPARE(box.answer(), cancelAnswer);
        QVERIFY(!box.isVisible());
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("formType");
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<int>("focusedButton");
        QTest::addColumn<int>("focusedPosition");
        QTest::addColumn<QString>("answer");
        QTest::newRow("not set: the default") << 3 << 0 << 0 << 1 << u"1"_s;
        QTest::newRow("negative: the default") << 4 << 0 << -1 << 1 << u"1"_s;
        QTest::newRow("second of two") << 3 << 0 << 2 << 2 << u"2"_s;
        QTest::newRow("third of three") << 6 << 0 << 3 << 3 << u"3"_s;
        QTest::newRow("5 of two: ignored") << 3 << 0 << 5 << 1 << u"1"_s;
        QTest::newRow("3 of two: ignored") << 2 << 0 << 3 << 1 << u"1"_s;
        QTest::newRow("lone OK") << 1 << 0 << 0 << 1 << u"1"_s;
        QTest::newRow("\"Aide\": no answer") << 3 << 9 << 3 << 3 << QString();
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(int, formType);
        QFETCH(int, helpContext);
        QFETCH(int, focusedButton);
        QFETCH(int, focusedPosition);
        QFETCH(QString, answer);
        MessageBox box;
        box.setHelpButton(helpContext);
        box.setFormType(formType);
        box.setFocusedButton(focusedButton);
        QVERIFY(ShowActive(box));
        QCOMPARE(QApplication::focusWidget(), box.buttons().at(focusedPosition - 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(box.answer(), answer);
        QCOMPARE(box.isVisible(), answer.isEmpty());

        // The shared box must not keep the previous question's focus.
        box.hide();
        box.setFocusedButton(0);
        box.show();
        QCOMPARE(box.focusWidget(), box.buttons().first());
    }

    void helpButtonAsksForHelpAndLeavesTheBoxOpen()
    {
        MessageBox box;
        box.setHelpButton(42);
        box.setFormType(1);
        QCOMPARE(Captions(box), (QStringList{"OK", "Aide"}));
        QSignalSpy help(&box, &MessageBox::helpRequested);
        bool openAfterHelp = false;
        const int result = ExecWhile(box, [&] {
            QTest::mouseClick(box.buttons().at(1), Qt::LeftButton);
            QTest::keyClick(&box, Qt::Key_F1);
            openAfterHelp = box.isVisible() && box.answer().isEmpty();
            QTest::mouseClick(box.buttons().at(0), Qt::LeftButton);
        });
        QVERIFY(openAfterHelp);
        QCOMPARE(help.size(), 2);
        QCOMPARE(help.at(0).at(0).toInt(), 42);
        QCOMPARE(help.at(1).at(0).toInt(), 42);
        QCOMPARE(result, 1);
        QCOMPARE(box.answer(), u"1"_s);
    }

    void theLastSettingsDecideTheButtons_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<int>("laterContext"); // -1: not set again
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("cancelAnswer");
        QTest::newRow("set 4 then 3") << 4 << 3 << 0 << -1 << QStringList{"&Oui", "&Non"} << u"2"_s;
        QTest::newRow("set 6 then 1") << 6 << 1 << 0 << -1 << QStringList{"OK"} << u"1"_s;
        QTest::newRow("set 2 then 6, with help")
            << 2 << 6 << 5 << -1 << QStringList{"&Abandon", "&Réessayer", "&Ignorer", "Aide"}
            << u"3"_s;
        QTest::newRow("help added after the set")
            << 5 << 5 << 0 << 7 << QStringList{"&Réessayer", "Annuler", "Aide"} << u"2"_s;
        QTest::newRow("help taken back")
            << 4 << 4 << 7 << 0 << QStringList{"&Oui", "&Non", "Annuler"} << u"3"_s;
    }

    void theLastSettingsDecideTheButtons()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, helpContext);
        QFETCH(int, laterContext);
        QFETCH(QStringList, captions);
        QFETCH(QString, cancelAnswer);
        MessageBox box;
        box.setHelpButton(helpContext);
        box.setFormType(first);
        box.setFormType(second);
        if (laterContext >= 0)
            box.setHelpButton(laterContext);
        QCOMPARE(Captions(box), captions);
        QCOMPARE(box.findChildren<QPushButton*>().size(), captions.size());
        QVERIFY(ShowActive(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(box.answer(), cancelAnswer);
    }

    void everythingShowsInItsPlace_data()
    {
        QTest::addColumn<int>("formType");
        QTest::addColumn<int>("pictureType");
        QTest::addColumn<int>("customSize"); // 0: no custom picture
        QTest::addColumn<QString>("message");
        QTest::newRow("no icon") << 3 << 0 << 0 << u"Supprimer le participant Dupont ?"_s;
        QTest::newRow("lines and wrapping")
            << 3 << 4 << 0
            << u"Vous n'avez coché aucune des deux cases de type de tour de garde.\r\nCeci créera "
               "un tour de garde vierge, à remplir entièrement manuellement.\r\nEst-ce celà que "
               "vous souhaitez faire ?"_s;
        QTest::newRow("three buttons and help") << 6 << 1 << 0 << u"Erreur."_s;
        QTest::newRow("tall picture") << 1 << 0 << 120 << u"Image."_s;
    }

    void everythingShowsInItsPlace()
    {
        QFETCH(int, formType);
        QFETCH(int, pictureType);
        QFETCH(int, customSize);
        QFETCH(QString, message);
        // The box is centred on the screen, not on its owner.
        QWidget owner;
        owner.setGeometry(10, 10, 200, 150);
        owner.show();
        MessageBox box(&owner);
        box.setHelpButton(3);
        box.setFormType(formType);
        box.setPictureType(pictureType);
        if (customSize > 0) {
            QPixmap custom(customSize, customSize);
            custom.fill(Qt::blue);
            box.setCustomPicture(custom);
        }
        box.setMessage(message);
        QVERIFY(ShowActive(box));
        const QPoint offCentre =
            box.frameGeometry().center() - box.screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 2);

        const QRect picture = box.pictureLabel()->geometry();
        const QRect text = box.messageLabel()->geometry();
        const int stockSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        QVERIFY(picture.width() >= qMax(stockSize, customSize));
        QVERIFY(picture.height() >= qMax(stockSize, customSize));
        // About 100 twips (7 pixels) right of the picture area, empty or not.
        const int gap = text.left() - (picture.left() + picture.width());
        QVERIFY2(gap >= 5 && gap <= 9, qPrintable(QString::number(gap)));
        // The whole message shows: no line cut off on the right, no line lost at the bottom.
        QVERIFY(box.messageLabel()->minimumSizeHint().width() <= text.width());
        QVERIFY(text.height() >= box.messageLabel()->heightForWidth(text.width()));
        QVERIFY(box.rect().contains(text));

        // One centred row below the picture and the message, with every caption whole.
        const QList<QPushButton*> buttons = box.buttons();
        const int above = qMax(picture.bottom(), text.bottom());
        for (const QPushButton* button : buttons) {
            QCOMPARE(button->y(), buttons.first()->y());
            QVERIFY(button->y() > above + 10);
            QVERIFY(button->width() >= button->sizeHint().width());
            QVERIFY(box.rect().contains(button->geometry()));
        }
        const int rowEnds = buttons.first()->x() + buttons.last()->geometry().right();
        QVERIFY(qAbs(rowEnds - box.width()) <= 2);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
