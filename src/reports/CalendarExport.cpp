#include "reports/CalendarExport.h"

#include "reports/DutyList.h"
#include "store/AppInfo.h"
#include "store/Roster.h"

#include <QCryptographicHash>

#include <libical/ical.h>

#include <memory>

namespace {

constexpr char TimeZone[] = "Europe/Paris";
constexpr int DutyDayStartMinutes = 8 * 60;
constexpr int MinutesPerDay = 24 * 60;

using Calendar = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

// The wall-clock time of a duty hour of a day (0 is 08:00, 16 midnight, 24 the next 08:00).
icaltimetype ClockTime(QDate day, double hours)
{
    const int minutes = DutyDayStartMinutes + qRound(hours * 60);
    const QDate date = day.addDays(minutes / MinutesPerDay);
    icaltimetype time = icaltime_null_time();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.hour = minutes % MinutesPerDay / 60;
    time.minute = minutes % 60;
    return time;
}

icalproperty* InParis(icalproperty* property)
{
    icalproperty_add_parameter(property, icalparameter_new_tzid(TimeZone));
    return property;
}

QString DayTypeText(const RosterDay* day)
{
    switch (day ? day->type : DayType::Weekday) {
    case DayType::Saturday:
        return QStringLiteral("Samedi");
    case DayType::SundayOrHoliday:
        return QStringLiteral("Dimanche ou jour férié");
    case DayType::Weekday:
        break;
    }
    return QStringLiteral("Jour de semaine");
}

// In the group's calendar the doctor is left out: the event is the duty slot, whoever holds it,
// so that a duty moved to another doctor replaces its event when imported again.
QByteArray Uid(const Roster& roster, const DutyRow& row, const QString& doctor)
{
    // Not the sector: naming it again must not make every event a new one.
    const QString key = QStringList{QString::number(roster.year()), row.day.toString(Qt::ISODate),
                                    QString::number(row.start.value_or(0)), doctor}
                            .join(QLatin1Char('\n'));
    return QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex() + "@rotalis";
}

// The zone's definition, named as the events name it, as text; empty when the system has no
// definition of the zone. Made once: writing its hundred rules out is most of the work of a
// calendar.
QByteArray ParisTimeZone()
{
    static QByteArray text;
    if (!text.isEmpty())
        return text;
    icaltimezone* zone = icaltimezone_get_builtin_timezone(TimeZone);
    icalcomponent* definition = zone ? icaltimezone_get_component(zone) : nullptr;
    if (!definition)
        return {};
    icalcomponent* named = icalcomponent_new_clone(definition);
    icalproperty_set_tzid(icalcomponent_get_first_property(named, ICAL_TZID_PROPERTY), TimeZone);
    char* written = icalcomponent_as_ical_string_r(named);
    text = written;
    icalmemory_free_buffer(written);
    icalcomponent_free(named);
    return text;
}

icalcomponent* Event(const Roster& roster, const DutyRow& row, const QString& doctor,
                     const QString& uidDoctor, const icaltimetype& stamp)
{
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event,
                               icalproperty_new_uid(Uid(roster, row, uidDoctor).constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_lastmodified(stamp));
    icalcomponent_add_property(
        event, InParis(icalproperty_new_dtstart(ClockTime(row.day, row.start.value_or(0)))));
    icalcomponent_add_property(
        event, InParis(icalproperty_new_dtend(ClockTime(row.day, row.end.value_or(24)))));
    // Whose duty it is reads in the title, in a calendar that shows several doctors' duties.
    QString title = QStringLiteral("Garde ") + doctor;
    if (!roster.sector().isEmpty())
        title += QStringLiteral(" – ") + roster.sector();
    const QByteArray summary = title.toUtf8();
    icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
    QString description = DayTypeText(roster.day(row.day));
    if (row.start)
        description += QStringLiteral(", garde partagée ") + DutyHoursText(row);
    icalcomponent_add_property(event,
                               icalproperty_new_description(description.toUtf8().constData()));
    return event;
}

// The calendar of the participants' duties; group: keyed by duty slot, not by doctor.
QByteArray CalendarOf(const Roster& roster, const QStringList& doctors, const QString& name,
                      bool group, const QDateTime& stamp)
{
    const QByteArray zone = ParisTimeZone();
    if (zone.isEmpty())
        return {};
    Calendar calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT), &icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    const QByteArray product =
        (QStringLiteral("-//Vardo//%1 %2//FR").arg(AppInfo::Title(), AppInfo::VersionText()))
            .toUtf8();
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(product.constData()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // The name a calendar program gives the calendar once imported or subscribed to.
    icalproperty* calendarName = icalproperty_new_x(name.toUtf8().constData());
    icalproperty_set_x_name(calendarName, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), calendarName);
    const icaltimetype stampUtc = icaltime_from_timet_with_zone(
        static_cast<time_t>(stamp.toSecsSinceEpoch()), 0, icaltimezone_get_utc_timezone());
    for (const QString& doctor : doctors) {
        for (const DutyRow& row : PersonalDuties(roster, doctor))
            icalcomponent_add_component(
                calendar.get(), Event(roster, row, doctor, group ? QString() : doctor, stampUtc));
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray ics(text);
    icalmemory_free_buffer(text);
    // The zone goes after the calendar's own properties, which libical writes first, and
    // before its events.
    const qsizetype events = ics.indexOf("\r\nBEGIN:VEVENT\r\n");
    return ics.insert((events >= 0 ? events : ics.indexOf("\r\nEND:VCALENDAR")) + 2, zone);
}

} // namespace

QByteArray DoctorCalendar(const Roster& roster, const QString& doctor, const QDateTime& stamp)
{
    return CalendarOf(roster, {doctor},
                      QStringLiteral("Garde %1 - %2").arg(roster.year()).arg(doctor), false, stamp);
}

QByteArray GroupCalendar(const Roster& roster, const QDateTime& stamp)
{
    // Every duty of the grid, those of a name outside the list included.
    return CalendarOf(roster, roster.participants() + roster.namesOutsideTheList(),
                      QStringLiteral("Garde %1 - %2").arg(roster.year()).arg(roster.sector()), true,
                      stamp);
}
