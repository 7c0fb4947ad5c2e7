#include "store/ProgramLocale.h"

#include <QLocale>

#include <clocale>

void UseProgramLocale()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    std::setlocale(LC_NUMERIC, "C");
}
