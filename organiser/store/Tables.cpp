#include "Tables.h"

ReminderTable& Tables::reminders(Kind kind) {
    switch (kind) {
    case Kind::Feladat:
        return FeladatList;
    case Kind::Feljegyzes:
        return FeljegyzesList;
    default:
        return IdopontList;
    }
}

DayTable& Tables::days(Kind kind) {
    return kind == Kind::Unnep ? UnnepList : NevnapList;
}

QString Tables::fileName(Kind kind) {
    switch (kind) {
    case Kind::Idopont:
        return QStringLiteral("time.list");
    case Kind::Feladat:
        return QStringLiteral("task.list");
    case Kind::Feljegyzes:
        return QStringLiteral("memo.list");
    case Kind::Nevnap:
        return QStringLiteral("nevnap.data");
    case Kind::Unnep:
        return QStringLiteral("unnep.data");
    }
    return {};
}
