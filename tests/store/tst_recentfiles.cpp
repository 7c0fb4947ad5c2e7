#include "TestEnvironment.h"
#include "store/RecentFiles.h"
#include "store/Settings.h"

#include <QTest>

namespace {

// "D C B A": the paths D, C, B and A; "-" for a missing key.
QStringList Paths(const char* spaced)
{
    return QString(spaced).split(' ', Qt::SkipEmptyParts);
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
        QTest::addColumn<QStringList>("list"); // also the keys, then empty keys, after a save
        QTest::newRow("first save") << Paths("") << Paths("A") << Paths("A");
        QTest::newRow("five saves, four kept")
            << Paths("") << Paths("A B C D E") << Paths("E D C B");
        QTest::newRow("third one again") << Paths("D C B A") << Paths("B") << Paths("B D C A");
        QTest::newRow("last one again") << Paths("D C B A") << Paths("A") << Paths("A D C B");
        QTest::newRow("letter case makes another file")
            << Paths("/r/garde.dat") << Paths("/r/Garde.dat") << Paths("/r/Garde.dat /r/garde.dat");
        QTest::newRow("loading stops at key 2") << Paths("A - C") << Paths("") << Paths("A");
        QTest::newRow("no key 1") << Paths("- B C D") << Paths("") << Paths("");
    }

    void savingReordersTheList()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, saved);
        QFETCH(QStringList, list);
        std::unique_ptr<QSettings> settings = OpenAppSettings();
        for (int i = 0; i < stored.size(); ++i) {
            if (stored.at(i) != "-")
                settings->setValue(QStringLiteral("MRU/%1").arg(i + 1), stored.at(i));
        }
        Settings typed;
        RecentFiles recent;
        recent.load(typed);

        for (const QString& path : saved)
            recent.add(path, typed);

        QCOMPARE(recent.paths(), list);
        for (int key = 1; key <= 4 && !saved.isEmpty(); ++key)
            QCOMPARE(settings->value(QStringLiteral("MRU/%1").arg(key)).toString(),
                     list.value(key - 1));
    }

    void savingTheFirstFileWritesNothing()
    {
        std::unique_ptr<QSettings> settings = OpenAppSettings();
        settings->setValue("MRU/1", "A");
        Settings typed;
        RecentFiles recent;
        recent.load(typed);
        settings->setValue("MRU/1", "changed elsewhere");

        recent.add("A", typed);

        QCOMPARE(recent.paths(), QStringList{"A"});
        QCOMPARE(settings->value("MRU/1").toString(), QStringLiteral("changed elsewhere"));
    }

    void captionNamesTheFileWithoutItsFolder()
    {
        // A lone "&" would underline the next letter instead of showing.
        QCOMPARE(RecentFiles::caption(2, "/home/med/R&D.dat"), QStringLiteral("&2. R&&D.dat"));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
