// SPDX-License-Identifier: GPL-3.0-or-later
// The recognition of the login web view's addresses, on any text and inside real-looking ones.
#include "social/httpclient.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QString prefixes[] = {QString(), QStringLiteral("http://x/connect/login_success.html#access_token="),
                                QStringLiteral("http://x/connect/login_success.html?"),
                                QStringLiteral("http://x/connect/login_failure.html")};
    for (const QString &prefix : prefixes) {
        QString token = QStringLiteral("unset");
        const LoginPage page = recogniseLoginPage(prefix + text, &token);
        // A token is only ever taken from the address itself.
        if (page == LoginPage::TokenCaptured && !(prefix + text).contains(token))
            std::abort();
        if (page != LoginPage::TokenCaptured && token != QLatin1String("unset"))
            std::abort();
    }
    return 0;
}
