#include "controls/HelpSection.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char SectionProperty[] = "rotalisHelpSection";

} // namespace

void SetHelpSection(QWidget& widget, const QString& section)
{
    widget.setProperty(SectionProperty, section);
}

QString HelpSectionOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QString section = widget->property(SectionProperty).toString();
        if (!section.isEmpty())
            return section;
    }
    return {};
}
