// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/HelpPage.h"
#include "about/HelpFile.h"

QVariant HelpPage::loadResource(int, const QUrl& name)
{
    // A picture written into the page itself is the document's to decode.
    if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) == 0)
        return {};
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    // Never an empty answer for a refused file: the document would then open it itself.
    return helpResource(url).value_or(QByteArray());
}
