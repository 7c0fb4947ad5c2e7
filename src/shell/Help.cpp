#include "Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void OpenHelp()
{
    const QFileInfo manual(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/Rotalis.html"));
    if (manual.isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(manual.absoluteFilePath()));
}
