#pragma once

#include "model/event.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <initializer_list>

namespace TestHelpers {

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Damages a sound events file with bytes after its last record, as a torn or foreign write
// would; returns the file's bytes as they now are.
inline QByteArray damageFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::Append) || file.write("\x00\x00\x00\x07garbage", 11) != 11)
        return QByteArray();
    file.close();
    return readFile(path);
}

// A weekly event on the given weekdays (1 = Monday).
inline Event *weeklyEvent(const QString &name, std::initializer_list<int> days)
{
    auto *e = new Event;
    e->name = name;
    e->schedule = Weekly;
    for (int d : days)
        e->weekdays[d - 1] = true;
    return e;
}

} // namespace TestHelpers
