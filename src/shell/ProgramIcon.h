#pragma once

#include <QIcon>

// The program's own icon, at every size its windows, task bar and menus ask for.
QIcon ProgramIcon();
