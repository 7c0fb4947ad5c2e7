#include "store/WorkFile.h"

#include "store/AppInfo.h"
#include "store/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QString WorkFilePattern = QStringLiteral("vdo*.tmp");
constexpr int NameAttempts = 100;

// "vdo", six random letters or digits, ".tmp".
QString RandomName()
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = QStringLiteral("vdo");
    for (int i = 0; i < 6; ++i)
        name +=
            QLatin1Char(alphabet[QRandomGenerator::system()->bounded(int(sizeof alphabet - 1))]);
    return name + QStringLiteral(".tmp");
}

// Numbers as text: a JSON number would round an inode beyond 2^53.
QJsonObject ToJson(const FileStamp& stamp)
{
    return {
        {QStringLiteral("peripherique"), QString::number(stamp.device)},
        {QStringLiteral("inode"), QString::number(stamp.inode)},
        {QStringLiteral("taille"), QString::number(stamp.size)},
        {QStringLiteral("modifieNs"), QString::number(stamp.modifiedNs)},
        {QStringLiteral("changeNs"), QString::number(stamp.changedNs)},
    };
}

std::optional<FileStamp> StampFromJson(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject json = value.toObject();
    bool ok[4] = {};
    FileStamp stamp{json.value(QStringLiteral("peripherique")).toString().toULongLong(&ok[0]),
                    json.value(QStringLiteral("inode")).toString().toULongLong(&ok[1]),
                    json.value(QStringLiteral("taille")).toString().toLongLong(&ok[2]),
                    json.value(QStringLiteral("modifieNs")).toString().toLongLong(&ok[3])};
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return std::nullopt;
    // A record written before the change time was kept has none: the file is then compared by
    // its content.
    stamp.changedNs = json.value(QStringLiteral("changeNs")).toString().toLongLong();
    return stamp;
}

QJsonObject ToJson(const WorkRecord& record)
{
    QJsonObject json{
        {QStringLiteral("fichier"), record.filePath},
        {QStringLiteral("titre"), record.caption},
        {QStringLiteral("derniereModification"),
         record.lastEdit.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("nonEnregistre"), record.unsaved},
    };
    if (record.fileStamp)
        json.insert(QStringLiteral("etatDuFichier"), ToJson(*record.fileStamp));
    if (!record.fileDigest.isEmpty())
        json.insert(QStringLiteral("contenuDuFichier"),
                    QString::fromLatin1(record.fileDigest.toHex()));
    return json;
}

std::optional<WorkRecord> FromJson(const QJsonObject& json)
{
    const QDateTime lastEdit = QDateTime::fromString(
        json.value(QStringLiteral("derniereModification")).toString(), Qt::ISODateWithMs);
    const QJsonValue caption = json.value(QStringLiteral("titre"));
    if (!lastEdit.isValid() || !caption.isString() || caption.toString().isEmpty())
        return std::nullopt;
    return WorkRecord{
        json.value(QStringLiteral("fichier")).toString(),
        StampFromJson(json.value(QStringLiteral("etatDuFichier"))),
        QByteArray::fromHex(json.value(QStringLiteral("contenuDuFichier")).toString().toLatin1()),
        caption.toString(),
        lastEdit.toLocalTime(),
        json.value(QStringLiteral("nonEnregistre")).toBool()};
}

} // namespace

WorkFile::WorkFile(const QString& path)
    : path_(path)
    , lock_(path + QStringLiteral(".lock"))
{
    // A roster stays open for hours: only a lock whose program is gone is stale.
    lock_.setStaleLockTime(0);
}

WorkFile::~WorkFile()
{
    // The lock goes last, when the member is destroyed: until then no other copy of the
    // program takes these files for abandoned ones.
    if (!owned_ || keep_)
        return;
    QFile::remove(path_);
    QFile::remove(path_ + QStringLiteral("-journal"));
    QFile::remove(recordPath());
}

std::unique_ptr<WorkFile> WorkFile::create()
{
    const QString folder = WorkFolder();
    if (folder.isEmpty())
        return nullptr;
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        // Locked before it exists, so that no other copy of the program sees it unlocked.
        std::unique_ptr<WorkFile> file(new WorkFile(folder + QLatin1Char('/') + RandomName()));
        if (file->lock_.tryLock(0) && CreatePrivateFile(file->path_)) {
            file->owned_ = true;
            return file;
        }
    }
    return nullptr;
}

std::vector<std::unique_ptr<WorkFile>> WorkFile::takeAbandoned()
{
    std::vector<std::unique_ptr<WorkFile>> abandoned;
    const QString folder = WorkFolder();
    if (folder.isEmpty())
        return abandoned;
    for (const QString& name : QDir(folder).entryList({WorkFilePattern}, QDir::Files)) {
        std::unique_ptr<WorkFile> file(new WorkFile(folder + QLatin1Char('/') + name));
        if (file->lock_.tryLock(0)) {
            file->owned_ = true;
            file->removeHalfWrittenRecords();
            abandoned.push_back(std::move(file));
        }
    }
    return abandoned;
}

void WorkFile::removeHalfWrittenRecords() const
{
    const QFileInfo record(recordPath());
    QDir folder = record.dir();
    for (const QString& name :
         folder.entryList({record.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        folder.remove(name);
}

QString WorkFile::recordPath() const
{
    return path_ + QStringLiteral(".info");
}

std::optional<WorkRecord> WorkFile::record() const
{
    QFile file(recordPath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument json = QJsonDocument::fromJson(file.read(64 * 1024));
    return json.isObject() ? FromJson(json.object()) : std::nullopt;
}

bool WorkFile::writeRecord(const WorkRecord& record) const
{
    return WriteFileSafely(recordPath(),
                           QJsonDocument(ToJson(record)).toJson(QJsonDocument::Compact));
}

QString WorkFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QLatin1Char('/') + AppInfo::Title() + QStringLiteral("/Travail");
    if (!QDir().mkpath(folder))
        return {};
    // Nobody else may list, read, replace or plant files there.
    const QFileInfo info(folder);
    if (info.isSymLink() || !info.isDir() || info.ownerId() != ::getuid() ||
        !QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner))
        return {};
    return folder;
}

bool CreatePrivateFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
