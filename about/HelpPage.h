// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTextBrowser>

// The help window's page. The page and everything it points to (pictures, style sheets, pages it
// links to) are read only through helpResource(): ordinary files inside the program's folder, of
// a sane size.
class HelpPage final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};
