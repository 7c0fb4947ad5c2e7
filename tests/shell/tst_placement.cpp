#include "shell/Placement.h"

#include <QTest>

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void storedPlaceIsBroughtBackOnScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("placed"); // empty: the default place
        const QRect inside(100, 80, 800, 600);
        QTest::newRow("inside the first screen") << inside << inside;
        QTest::newRow("taller than its screen")
            << QRect(2000, 0, 800, 1500) << QRect(2000, 0, 800, 1024);
        QTest::newRow("huge") << QRect(0, 0, 6000000, 6000000) << QRect(0, 0, 1920, 1050);
        QTest::newRow("no width") << QRect(100, 80, 0, 600) << QRect();
        QTest::newRow("on the second screen")
            << QRect(2000, 100, 800, 600) << QRect(2000, 100, 800, 600);
        QTest::newRow("partly off the right edge")
            << QRect(1500, 100, 800, 600) << QRect(1500, 100, 800, 600);
        QTest::newRow("on a screen since removed")
            << QRect(5000, 100, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("title bar above the screens")
            << QRect(100, -500, 800, 600) << QRect(0, 0, 800, 600);
        QTest::newRow("larger than the screen")
            << QRect(-9000, 0, 3000, 2000) << QRect(0, 0, 1920, 1050);
    }

    void storedPlaceIsBroughtBackOnScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, placed);
        const QList<QRect> screens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(FitOnScreens(stored, screens).value_or(QRect()), placed);
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
