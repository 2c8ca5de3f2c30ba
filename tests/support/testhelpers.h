// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QObject>
#include <QString>
#include <QStringList>

namespace TestHelpers {

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

// The files under `dir`, at any depth, whose bytes contain `needle`.
inline QStringList filesContaining(const QString &dir, const QByteArray &needle)
{
    QStringList found;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (readFile(path).contains(needle))
            found << path;
    }
    return found;
}

// The child of `parent` with that object name; a test that names a missing one stops at once.
template <typename T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

} // namespace TestHelpers
