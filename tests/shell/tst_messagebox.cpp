#include "DialogTesting.h"
#include "shell/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void eachSetHasItsButtons_data()
    {
        QTest::addColumn<QList<int>>("sets"); // chosen in turn, the last one shown
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<int>("defaultPosition"); // 0: none
        QTest::addColumn<int>("cancelAnswer");
        QTest::addColumn<int>("focused"); // the button given the focus
        QTest::addColumn<int>("enterAnswer");
        QTest::newRow("1") << QList<int>{1} << 0 << "OK" << 0 << 1 << 0 << 1;
        QTest::newRow("2, focus beyond the buttons")
            << QList<int>{2} << 0 << "OK|Annuler" << 1 << 2 << 3 << 1;
        QTest::newRow("3, after set 4") << QList<int>{4, 3} << 0 << "&Oui|&Non" << 1 << 2 << 0 << 1;
        QTest::newRow("4, focus on the second")
            << QList<int>{4} << 0 << "&Oui|&Non|Annuler" << 1 << 3 << 2 << 2;
        QTest::newRow("5") << QList<int>{5} << 0 << "&Réessayer|Annuler" << 1 << 2 << 0 << 1;
        QTest::newRow("6, focus on the third")
            << QList<int>{6} << 0 << "&Abandon|&Réessayer|&Ignorer" << 1 << 3 << 3 << 3;
        QTest::newRow("6 with help, after set 2")
            << QList<int>{2, 6} << 5 << "&Abandon|&Réessayer|&Ignorer|Aide" << 1 << 3 << 0 << 1;
    }

    // Escape answers with the cancel button, Enter with the focused one.
    void eachSetHasItsButtons()
    {
        QFETCH(QList<int>, sets);
        QFETCH(int, helpContext);
        QFETCH(QString, captions);
        QFETCH(int, defaultPosition);
        QFETCH(int, cancelAnswer);
        QFETCH(int, focused);
        QFETCH(int, enterAnswer);
        MessageBox box;
        QCOMPARE(box.windowTitle(), u"Rotalis"_s);
        box.setHelpButton(helpContext);
        for (int set : sets)
            box.setFormType(set);
        QStringList shown;
        for (const QPushButton* button : box.buttons())
            shown.append(button->text());
        QCOMPARE(shown.join(u'|'), captions);
        QCOMPARE(box.findChildren<QPushButton*>().size(), shown.size());
        for (int position = 1; position <= shown.size(); ++position)
            QCOMPARE(box.buttons().at(position - 1)->isDefault(), position == defaultPosition);

        QVERIFY(ShowActive(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(box.answer(), QString::number(cancelAnswer));
        QVERIFY(!box.isVisible());

        box.setFocusedButton(focused);
        QVERIFY(ShowActive(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(box.answer(), QString::number(enterAnswer));
        // The shared box must not keep the previous question's focus.
        box.setFocusedButton(0);
        box.show();
        QCOMPARE(box.focusWidget(), box.buttons().first());
        // "Aide" and F1 ask for help and leave the box open.
        QSignalSpy help(&box, &MessageBox::helpRequested);
        if (helpContext)
            QTest::mouseClick(box.buttons().last(), Qt::LeftButton);
        QTest::keyClick(&box, Qt::Key_F1);
        QVERIFY(box.isVisible() && box.answer().isEmpty());
        QCOMPARE(help.size(), helpContext ? 2 : 0);
        QCOMPARE(help.value(1).value(0).toInt(), helpContext);
    }

    void longTextIsNotClipped()
    {
        MessageBox box;
        box.setFormType(3);
        box.setPictureType(4);
        box.setMessage(u"Vous n'avez coché aucune des deux cases de type de tour de garde.\r\nCeci "
                       "créera un tour de garde vierge, à remplir entièrement manuellement.\r\nEst-"
                       "ce celà que vous souhaitez faire ?"_s);
        QVERIFY(ShowActive(box));
        const QRect text = box.messageLabel()->geometry();
        QVERIFY(box.messageLabel()->minimumSizeHint().width() <= text.width());
        QVERIFY(text.height() >= box.messageLabel()->heightForWidth(text.width()));
        QVERIFY(box.rect().contains(text));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
