// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/HelpViewers.h"
#include "about/HelpFile.h"
#include "about/HelpPage.h"
#include "common/Dialogs.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/Version.h"
#include "i18n/ExtraTexts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QShortcut>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>

namespace {
// The help window opens whole on the screen, centred, at most 720 x 640 and smaller on a small
// screen, with room left for the frame and title bar the window manager adds around it.
void placeOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (const QWidget* active = QApplication::activeWindow())
        screen = active->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QSize frame(16, 48); // borders and title bar, more than any usual theme needs
    const QSize inner = QSize(720, 640).boundedTo(available.size() - frame);
    window->resize(inner);
    // move() places the frame's corner.
    window->move(available.x() + (available.width() - inner.width() - frame.width()) / 2,
                 available.y() + (available.height() - inner.height() - frame.height()) / 2);
}
} // namespace

HelpWindow::~HelpWindow() { delete m_browser.data(); }

void HelpWindow::showHelp(const QString& path)
{
    // A folder or a FIFO in its place is as good as missing (and a FIFO would hang the viewer), and
    // so is a link to a file outside the program's folder, which the page would not load.
    if (checkRegularFile(path, MaxHelpBytes) != FileCheck::Ok || !isInsideFolder(path, programFolder())) {
        if (platform().dialogs)
            platform().dialogs->message(extraText(Extra::HelpMissing).arg(QDir::toNativeSeparators(path)),
                                        ApplicationTitle, Icon::Exclamation, Buttons::OK);
        return;
    }
    if (!m_browser) {
        m_browser = new HelpPage;
        m_browser->setObjectName(QStringLiteral("help"));
        m_browser->setAttribute(Qt::WA_DeleteOnClose);
        m_browser->setOpenExternalLinks(true);
        // Escape closes the help, as it closes every other window of the game but the board.
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_browser);
        QObject::connect(escape, &QShortcut::activated, m_browser, &QWidget::close);
        placeOnScreen(m_browser);
    }
    m_browser->setSource(QUrl::fromLocalFile(path));
    m_browser->setWindowTitle(m_browser->documentTitle());
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

bool DesktopBrowser::open(const QUrl& url) { return QDesktopServices::openUrl(url); }
