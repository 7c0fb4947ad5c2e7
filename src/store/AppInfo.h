#pragma once

#include <QString>

// The application's identity as the user and the settings store see it.
namespace AppInfo {
inline QString Title()
{
    return QStringLiteral("Rotalis");
}
inline QString VersionText()
{
    return QStringLiteral("4.5.0");
}
// Per-user settings live under this application key.
inline QString SettingsKey()
{
    return QStringLiteral("Vardo App Rotalis");
}
} // namespace AppInfo
