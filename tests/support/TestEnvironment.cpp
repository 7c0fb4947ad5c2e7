#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TestEnvironment::TestEnvironment()
    : previousTmpDir_(qgetenv("TMPDIR"))
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    qputenv("TMPDIR", temp_.path().toLocal8Bit());
}

TestEnvironment::~TestEnvironment()
{
    if (previousTmpDir_.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", previousTmpDir_);
}

QStringList TestEnvironment::workFiles() const
{
    return QDir(temp_.path()).entryList({QStringLiteral("vdo*.tmp")}, QDir::Files);
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
