#include "store/RotationProperty.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace RotationProperty {

QString Text(const QStringList& holders)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(holders)).toJson(QJsonDocument::Compact));
}

QStringList Holders(const QString& text, qsizetype days)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    const QJsonArray array = document.array();
    if (!document.isArray() || array.size() != days)
        return {};
    QStringList holders;
    for (const QJsonValue& holder : array) {
        if (!holder.isString())
            return {};
        holders.append(holder.toString());
    }
    return holders;
}

} // namespace RotationProperty
