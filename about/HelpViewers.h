// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Platform.h"

#include <QPointer>

class QTextBrowser;

// Shows the HTML help in a window of the program.
class HelpWindow final : public HelpViewer {
public:
    ~HelpWindow() override;
    void showHelp(const QString& path) override;

private:
    QPointer<QTextBrowser> m_browser;
};

// Opens web and mail addresses with the desktop's programs.
class DesktopBrowser final : public Browser {
public:
    bool open(const QUrl& url) override;
};
