// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's texts and dates in the language `code` ("de", …) for as long as this lives, over the
// English plural forms every suite loads; English for an empty code.
class InLanguage
{
public:
    explicit InLanguage(const QString &code)
    {
        if (code.isEmpty())
            return;
        m_loaded = m_translator.load(QStringLiteral(":/translations/oriventa_%1.qm").arg(code)) &&
                   QCoreApplication::installTranslator(&m_translator);
        QLocale::setDefault(QLocale(code));
    }
    ~InLanguage()
    {
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(m_locale);
    }
    InLanguage(const InLanguage &) = delete;
    InLanguage &operator=(const InLanguage &) = delete;

    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    const QLocale m_locale;
    bool m_loaded = true;
};
