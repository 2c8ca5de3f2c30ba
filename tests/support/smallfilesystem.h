// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

#include <sys/mount.h>
#include <unistd.h>

// A real, tiny filesystem on `mountPoint` for as long as the object lives, to run out of room for
// real. Only root may mount one, and not in every container: check isMounted() and skip.
class SmallFilesystem
{
public:
    SmallFilesystem(const QString &mountPoint, int kilobytes) : m_path(mountPoint.toLocal8Bit())
    {
        QDir().mkpath(mountPoint);
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + 'k';
        m_mounted = geteuid() == 0 && ::mount("tmpfs", m_path.constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallFilesystem()
    {
        if (m_mounted)
            ::umount(m_path.constData());
    }
    bool isMounted() const { return m_mounted; }

private:
    Q_DISABLE_COPY(SmallFilesystem)
    QByteArray m_path;
    bool m_mounted = false;
};
