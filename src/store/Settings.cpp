#include "store/Settings.h"

#include "store/AppInfo.h"

#include <cmath>

namespace {

const QString Yes = QStringLiteral("Vrai");
const QString No = QStringLiteral("Faux");

QString YesOrNo(bool value)
{
    return value ? Yes : No;
}

QString TrueOrFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

const std::array<QString, 3> WeightKeys = {QStringLiteral("Options/PointsSemaine"),
                                           QStringLiteral("Options/PointsSamedi"),
                                           QStringLiteral("Options/PointsDimanche")};

QString RuleKey(const char* name)
{
    return QStringLiteral("Options/") + QString::fromUtf8(name);
}

QString ColourKey(int index)
{
    return QStringLiteral("Printing/Color%1").arg(index);
}

} // namespace

std::unique_ptr<QSettings> OpenAppSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       AppInfo::SettingsKey());
}

std::optional<bool> ReadFlag(const QString& text)
{
    for (const char* yes : {"Vrai", "True", "-1"}) {
        if (text.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const char* no : {"Faux", "False", "0"}) {
        if (text.compare(QLatin1String(no), Qt::CaseInsensitive) == 0)
            return false;
    }
    return std::nullopt;
}

Settings::Settings()
    : store_(OpenAppSettings())
{
}

QString Settings::text(const QString& key) const
{
    return store_->value(key).toString();
}

bool Settings::maximized() const
{
    return ReadFlag(text(QStringLiteral("StartUp/Maximized"))).value_or(false);
}

void Settings::setMaximized(bool maximized)
{
    store_->setValue(QStringLiteral("StartUp/Maximized"), YesOrNo(maximized));
}

std::optional<Settings::Place> Settings::place() const
{
    bool valid = true;
    const auto twips = [&](const char* key) {
        bool ok = false;
        const double value = text(QStringLiteral("StartUp/") + QLatin1String(key)).toDouble(&ok);
        valid = valid && ok && std::abs(value) < 1e7;
        return value;
    };
    const Place place{twips("Left"), twips("Top"), twips("Width"), twips("Height")};
    return valid ? std::optional(place) : std::nullopt;
}

void Settings::setPlace(int left, int top, int width, int height)
{
    // Whole numbers without spaces, as the program has always written them.
    store_->setValue(QStringLiteral("StartUp/Height"), QString::number(height));
    store_->setValue(QStringLiteral("StartUp/Width"), QString::number(width));
    store_->setValue(QStringLiteral("StartUp/Top"), QString::number(top));
    store_->setValue(QStringLiteral("StartUp/Left"), QString::number(left));
}

QStringList Settings::recentFiles(int capacity) const
{
    QStringList paths;
    for (int position = 1; position <= capacity; ++position) {
        const QString path = text(QStringLiteral("MRU/%1").arg(position));
        if (path.isEmpty())
            break;
        paths.append(path);
    }
    return paths;
}

void Settings::setRecentFiles(const QStringList& paths)
{
    for (int i = 0; i < paths.size(); ++i)
        store_->setValue(QStringLiteral("MRU/%1").arg(i + 1), paths.at(i));
}

QString Settings::defaultSector() const
{
    return store_->value(QStringLiteral("Options/Secteur"), QStringLiteral("Secteur")).toString();
}

void Settings::setDefaultSector(const QString& sector)
{
    store_->setValue(QStringLiteral("Options/Secteur"), sector);
}

bool Settings::grouping() const
{
    return ReadFlag(text(QStringLiteral("Options/Regroupement"))).value_or(false);
}

void Settings::setGrouping(bool grouping)
{
    store_->setValue(QStringLiteral("Options/Regroupement"), YesOrNo(grouping));
}

std::optional<std::array<double, 3>> Settings::dutyWeights() const
{
    std::array<double, 3> weights{};
    for (std::size_t i = 0; i < weights.size(); ++i) {
        bool ok = false;
        // QString reads the C locale's decimal point, whatever the user's language.
        weights[i] = text(WeightKeys[i]).toDouble(&ok);
        if (!ok || !(weights[i] >= 0 && weights[i] <= 100))
            return std::nullopt;
    }
    return weights;
}

void Settings::setDutyWeights(const std::array<double, 3>& weights)
{
    for (std::size_t i = 0; i < weights.size(); ++i)
        store_->setValue(WeightKeys[i], QString::number(weights[i]));
}

RosterRules Settings::rules() const
{
    return RulesFromTexts([this](const char* name) { return text(RuleKey(name)); });
}

void Settings::setRules(const RosterRules& rules)
{
    for (const RuleText& rule : RuleTexts(rules)) {
        if (rule.asDefault)
            store_->remove(RuleKey(rule.name));
        else
            store_->setValue(RuleKey(rule.name), rule.value);
    }
}

int Settings::shownHalfYear() const
{
    const int half = text(QStringLiteral("Options/Semestre")).toInt();
    return half == 1 || half == 2 ? half : 0;
}

void Settings::setShownHalfYear(int half)
{
    store_->setValue(QStringLiteral("Options/Semestre"), QString::number(half));
}

std::optional<bool> Settings::transparentWeek() const
{
    return ReadFlag(text(QStringLiteral("Printing/TransparentWeek")));
}

std::optional<bool> Settings::transparentWeekend() const
{
    return ReadFlag(text(QStringLiteral("Printing/TransparentWE")));
}

void Settings::setTransparent(bool week, bool weekend)
{
    store_->setValue(QStringLiteral("Printing/TransparentWeek"), TrueOrFalse(week));
    store_->setValue(QStringLiteral("Printing/TransparentWE"), TrueOrFalse(weekend));
}

std::optional<quint32> Settings::colour(int index) const
{
    const QString stored = text(ColourKey(index)).trimmed();
    bool ok = false;
    const qlonglong number = stored.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)
                                 ? stored.mid(2).toLongLong(&ok, 16)
                                 : stored.toLongLong(&ok, 10);
    if (!ok || number < 0 || number > 0xFFFFFF)
        return std::nullopt;
    return static_cast<quint32>(number);
}

void Settings::setColour(int index, quint32 number)
{
    store_->setValue(ColourKey(index), QString::number(number));
}
