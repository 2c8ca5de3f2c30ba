// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// Outside any namespace, as Qt's resource macro needs.
static void initTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

namespace Languages {

namespace {

const QString resourceDir = QStringLiteral(":/translations");

bool load(const QString &name, const QString &dir)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, dir) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList translated()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString chosen(const QStringList &userLanguages)
{
    const QStringList ours = translated();
    for (const QString &entry : userLanguages) {
        // "de-AT", "de_AT.UTF-8" and "de" all mean German.
        const QString language = entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            break;
        if (ours.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

void install()
{
    if (!QCoreApplication::instance())
        return;
    initTranslationResources();
    // Installed first, so that a language loaded after it is asked first.
    load(QStringLiteral("oriventa_en"), resourceDir);
    const QLocale system = QLocale::system();
    const QString language = chosen(system.uiLanguages());
    if (language == QLatin1String("en"))
        return;
    load(QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("oriventa_") + language, resourceDir);
    // LANGUAGE=fr under an English or C locale: French sentences want French dates in them.
    const QLocale spoken(language);
    if (system.language() != spoken.language())
        QLocale::setDefault(spoken);
}

} // namespace Languages
