#include "TestEnvironment.h"

#include "store/BlankRoster.h"
#include "store/ProgramLocale.h"
#include "store/RosterDatabase.h"
#include "store/RosterFile.h"
#include "store/Statement.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSettings>
#include <QTemporaryFile>

namespace {

void Restore(const char* name, const QByteArray& previous)
{
    if (previous.isNull())
        qunsetenv(name);
    else
        qputenv(name, previous);
}

} // namespace

TestEnvironment::TestEnvironment()
    : previousTmpDir_(qgetenv("TMPDIR"))
    , previousDataHome_(qgetenv("XDG_DATA_HOME"))
{
    // As the program does at start, so that files are written as the program writes them.
    UseProgramLocale();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    qputenv("TMPDIR", temp_.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
}

TestEnvironment::~TestEnvironment()
{
    Restore("TMPDIR", previousTmpDir_);
    Restore("XDG_DATA_HOME", previousDataHome_);
}

QStringList TestEnvironment::workFiles() const
{
    return QDir(WorkFolder()).entryList({QStringLiteral("vdo*.tmp")}, QDir::Files);
}

FullDisk::FullDisk(qint64 bytesLeft)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previousAction_);
    getrlimit(RLIMIT_FSIZE, &previousLimit_);
    const rlimit full{rlim_t(bytesLeft), previousLimit_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &previousLimit_);
    sigaction(SIGXFSZ, &previousAction_, nullptr);
}

namespace {

// A new file of the temporary folder holding these bytes; its path.
QString CopyOf(const QByteArray& bytes, const QString& name)
{
    QTemporaryFile copy(QDir::temp().filePath(name));
    if (!copy.open() || copy.write(bytes) != bytes.size())
        return {};
    copy.setAutoRemove(false);
    return copy.fileName();
}

} // namespace

// Each roster is made once, then copied: making one costs the key's derivations, which the
// sanitizers make slow.
QString CreateBlankRoster(int year)
{
    static QHash<int, QByteArray> made;
    if (made.contains(year))
        return CopyOf(made.value(year), QStringLiteral("blankXXXXXX.dat"));
    QTemporaryFile name(QDir::temp().filePath(QStringLiteral("blankXXXXXX.dat")));
    if (!name.open())
        return {};
    name.setAutoRemove(false);
    const std::unique_ptr<RosterDatabase> db = MakeBlankRoster(year);
    if (!db || WriteRosterFile(*db, name.fileName()) != RosterWrite::Written)
        return {};
    made.insert(year, ReadFile(name.fileName()));
    return name.fileName();
}

QString CreateMarchRoster()
{
    static QByteArray made;
    if (!made.isEmpty())
        return CopyOf(made, QStringLiteral("marchXXXXXX.dat"));
    const QString path = CreateBlankRoster(2011);
    std::unique_ptr<RosterDatabase> db = RosterDatabase::open(path);
    for (const char* edit : {
             "INSERT INTO [Participants] ([Médecin]) VALUES ('B'), ('A')",
             "UPDATE [Garde] SET [Médecin] = 'A' WHERE [Jour] = '2011-03-01'",
             "UPDATE [Garde] SET [Médecin] = '<Partagé>' WHERE [Jour] = '2011-03-02'",
             "UPDATE [Garde] SET [Indispo] = 1 WHERE [Jour] IN ('2011-03-04', '2011-08-15')",
             "INSERT INTO [Partagé] VALUES ('2011-03-02', 'B', 0, 12), ('2011-03-02', 'A', 12, 24)",
             "INSERT INTO [Absences] VALUES ('A', '2011-08-01', '2011-08-10', 'Congés')",
         })
        db->execute(edit);
    db.reset();
    made = ReadFile(path);
    return path;
}

QStringList EarlierTables(RosterSchema::Version version)
{
    // Garde, Partagé, then Participants and its index.
    const std::vector<const char*> earlier = RosterSchema::StatementsOf(version);
    QStringList statements{
        "DROP INDEX [Médecin]",
        "ALTER TABLE [Participants] RENAME TO [Récents]",
        earlier.at(2),
        "INSERT INTO [Participants] SELECT [Médecin], [Semaine], [WE], "
        "[Etat-Civil], [Identification], [Adresse], [CP], [Ville] FROM [Récents]",
        "DROP TABLE [Récents]",
        earlier.at(3)};
    if (version == RosterSchema::Version::Before430)
        statements.append("DROP TABLE [Absences]");
    // Neither had a journal.
    statements.append("DROP TABLE [Journal]");
    return statements;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QStringList Rows(const RosterDatabase& db)
{
    QStringList rows;
    for (const char* sql : {
             "SELECT [Jour], [Médecin], [Type], [Indispo] FROM [Garde] ORDER BY [Jour]",
             "SELECT [Jour], [Médecin], [HDébut], [HFin] FROM [Partagé] ORDER BY [Jour], [HDébut]",
             "SELECT [Médecin], [Etat-Civil], [Ville], [Semaine] FROM [Participants] ORDER BY "
             "rowid",
             "SELECT [Nom], [Valeur], '', '' FROM [Propriétés] ORDER BY [Nom]",
             "SELECT [Médecin], [Début], [Fin], [Motif] FROM [Absences] ORDER BY [Médecin], "
             "[Début]",
         }) {
        Statement row = db.prepare(sql);
        while (row.step()) {
            rows.append(QStringList{row.text(0), row.text(1), row.text(2), row.text(3)}.join('|'));
        }
    }
    return rows;
}

QStringList Rows(const QString& path)
{
    return Rows(*RosterDatabase::open(path));
}
