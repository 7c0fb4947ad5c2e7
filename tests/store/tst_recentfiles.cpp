#include "AppSettings.h"
#include "RecentFiles.h"
#include "TestEnvironment.h"

#include <QTest>

namespace {

QStringList StoredKeys(QSettings& settings)
{
    QStringList values;
    for (int key = 1; key <= 4; ++key)
        values.append(settings.value(QStringLiteral("MRU/%1").arg(key)).toString());
    return values;
}

} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env_;

private slots:
    void init() { env_ = std::make_unique<TestEnvironment>(); }
    void cleanup() { env_.reset(); }

    void savingReordersTheList_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("saved");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("first save")
            << QStringList{} << QStringList{"/r/A.dat"} << QStringList{"/r/A.dat"}
            << QStringList{"/r/A.dat", "", "", ""};
        QTest::newRow("five saves keep the last four")
            << QStringList{} << QStringList{"A", "B", "C", "D", "E"}
            << QStringList{"E", "D", "C", "B"} << QStringList{"E", "D", "C", "B"};
        QTest::newRow("third entry saved again")
            << QStringList{"D", "C", "B", "A"} << QStringList{"B"}
            << QStringList{"B", "D", "C", "A"} << QStringList{"B", "D", "C", "A"};
        QTest::newRow("last entry saved again")
            << QStringList{"D", "C", "B", "A"} << QStringList{"A"}
            << QStringList{"A", "D", "C", "B"} << QStringList{"A", "D", "C", "B"};
        QTest::newRow("letter case makes another file")
            << QStringList{"/r/garde.dat"} << QStringList{"/r/Garde.dat"}
            << QStringList{"/r/Garde.dat", "/r/garde.dat"}
            << QStringList{"/r/Garde.dat", "/r/garde.dat", "", ""};
    }

    void savingReordersTheList()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, saved);
        QFETCH(QStringList, list);
        QFETCH(QStringList, keys);
        std::unique_ptr<QSettings> settings = OpenAppSettings();
        for (int i = 0; i < stored.size(); ++i)
            settings->setValue(QStringLiteral("MRU/%1").arg(i + 1), stored.at(i));
        RecentFiles recent;
        recent.load(*settings);

        for (const QString& path : saved)
            recent.add(path, *settings);

        QCOMPARE(recent.paths(), list);
        QCOMPARE(StoredKeys(*settings), keys);
        RecentFiles reloaded;
        reloaded.load(*settings);
        QCOMPARE(reloaded.paths(), list);
    }

    void savingTheFirstFileWritesNothing()
    {
        std::unique_ptr<QSettings> settings = OpenAppSettings();
        settings->setValue("MRU/1", "A");
        RecentFiles recent;
        recent.load(*settings);
        settings->setValue("MRU/1", "changed elsewhere");

        recent.add("A", *settings);

        QCOMPARE(recent.paths(), QStringList{"A"});
        QCOMPARE(settings->value("MRU/1").toString(), QStringLiteral("changed elsewhere"));
    }

    void loadingStopsAtTheFirstMissingKey_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("list");
        QTest::newRow("nothing stored") << QStringList{"", "", "", ""} << QStringList{};
        QTest::newRow("key 2 missing") << QStringList{"A", "", "C", ""} << QStringList{"A"};
        QTest::newRow("key 1 missing") << QStringList{"", "B", "C", "D"} << QStringList{};
        QTest::newRow("all four") << QStringList{"A", "B", "C", "D"}
                                  << QStringList{"A", "B", "C", "D"};
    }

    void loadingStopsAtTheFirstMissingKey()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, list);
        std::unique_ptr<QSettings> settings = OpenAppSettings();
        for (int i = 0; i < keys.size(); ++i) {
            if (!keys.at(i).isEmpty())
                settings->setValue(QStringLiteral("MRU/%1").arg(i + 1), keys.at(i));
        }
        RecentFiles recent;
        recent.load(*settings);
        QCOMPARE(recent.paths(), list);
    }

    void captionNamesTheFileWithoutItsFolder()
    {
        QCOMPARE(RecentFiles::caption(1, "/home/med/Documents/Garde 2012.dat"),
                 QStringLiteral("&1. Garde 2012.dat"));
        QCOMPARE(RecentFiles::caption(4, "Garde.dat"), QStringLiteral("&4. Garde.dat"));
        QCOMPARE(RecentFiles::caption(2, "/home/med/R&D.dat"), QStringLiteral("&2. R&&D.dat"));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
