#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The checks a participant list passes before the wizard leaves its step: the first failure's
// message and icon, or nothing when the list is fine. Names are compared exactly.
struct ListProblem {
    QString message;
    bool warning; // otherwise information
};

std::optional<ListProblem> CheckWeekdayList(const QStringList& names);
std::optional<ListProblem> CheckWeekendList(const QStringList& names);
