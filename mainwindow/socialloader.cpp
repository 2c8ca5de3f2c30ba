// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/socialloader.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace {

SocialSessionFactory &chosenFactory()
{
    static SocialSessionFactory factory = nullptr;
    return factory;
}

SocialSessionFactory loadModule()
{
    const QString fileName = QStringLiteral("liboriventa-social.so");
    QStringList candidates;
    const QString fromEnvironment = qEnvironmentVariable("ORIVENTA_SOCIAL_MODULE");
    if (!fromEnvironment.isEmpty())
        candidates << fromEnvironment;
    candidates << QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
#ifdef ORIVENTA_MODULE_RELATIVE_DIR
    candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/" ORIVENTA_MODULE_RELATIVE_DIR "/") +
                      fileName;
#endif
    for (const QString &path : candidates) {
        QLibrary module(path);
        // Kept loaded for the rest of the process: its dialogs and their code live in it.
        if (auto factory = reinterpret_cast<SocialSessionFactory>(module.resolve(ORIVENTA_SOCIAL_FACTORY)))
            return factory;
    }
    return nullptr;
}

} // namespace

SocialSessionFactory socialSessionFactory()
{
    if (!chosenFactory())
        chosenFactory() = loadModule();
    return chosenFactory();
}

void setSocialSessionFactory(SocialSessionFactory factory)
{
    chosenFactory() = factory;
}
