// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// The program's texts in the language `code` ("de", …) for as long as this lives, over the English
// plural forms every suite loads; English for an empty code.
class InLanguage
{
public:
    explicit InLanguage(const QString &code)
    {
        if (!code.isEmpty())
            m_loaded = m_translator.load(QStringLiteral(":/translations/oriventa_%1.qm").arg(code)) &&
                       QCoreApplication::installTranslator(&m_translator);
    }
    ~InLanguage() { QCoreApplication::removeTranslator(&m_translator); }
    InLanguage(const InLanguage &) = delete;
    InLanguage &operator=(const InLanguage &) = delete;

    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = true;
};
