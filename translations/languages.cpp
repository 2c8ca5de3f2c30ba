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

// The locale whose date formats Qt gives the system locale, as the C library picks it.
QString timeLocaleName()
{
    for (const char *name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    }
    return QStringLiteral("C");
}

QString chosenFrom(const QStringList &userLanguages)
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

} // namespace

QStringList translated()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString chosen()
{
    return chosenFrom(QLocale::system().uiLanguages());
}

void install()
{
    if (!QCoreApplication::instance())
        return;
    initTranslationResources();
    // Installed first, so that a language loaded after it is asked first.
    load(QStringLiteral("oriventa_en"), resourceDir);
    const QStringList userLanguages = QLocale::system().uiLanguages();
    const QString language = chosenFrom(userLanguages);
    if (language == QLatin1String("en"))
        return;
    load(QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("oriventa_") + language, resourceDir);
    // The sentences want dates of their own language in them. Qt names the system locale after
    // LANGUAGE but takes its date formats from LC_TIME: when that is another language (or C), the
    // default locale is the user's own form of the chosen language ("de-AT"), or the language alone.
    // A German LC_TIME of the user's choosing (de_CH, say) stays.
    if (QLocale(timeLocaleName()).language() == QLocale(language).language())
        return;
    for (const QString &entry : userLanguages) {
        const QLocale spoken(entry);
        if (spoken.language() == QLocale(language).language()) {
            QLocale::setDefault(spoken);
            break;
        }
    }
}

} // namespace Languages
