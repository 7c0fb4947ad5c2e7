#include "store/AppSettings.h"

#include "store/AppInfo.h"

std::unique_ptr<QSettings> OpenAppSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       AppInfo::SettingsKey());
}

QString DefaultSectorName()
{
    return OpenAppSettings()
        ->value(QStringLiteral("Options/Secteur"), QStringLiteral("Secteur"))
        .toString();
}
