#include "about/HelpViewers.h"
#include "common/Dialogs.h"
#include "common/SafeFile.h"
#include "common/Version.h"
#include "i18n/ExtraTexts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>

namespace {
constexpr qint64 MaxHelpBytes = 16 * 1024 * 1024;
}

HelpWindow::~HelpWindow() { delete m_browser.data(); }

void HelpWindow::showHelp(const QString& path)
{
    // A folder or a FIFO in its place is as good as missing (and a FIFO would hang the viewer).
    if (checkRegularFile(path, MaxHelpBytes) != FileCheck::Ok) {
        if (platform().dialogs)
            platform().dialogs->message(extraText(Extra::HelpMissing).arg(QDir::toNativeSeparators(path)),
                                        ApplicationTitle, Icon::Exclamation, Buttons::OK);
        return;
    }
    if (!m_browser) {
        m_browser = new QTextBrowser;
        m_browser->setObjectName(QStringLiteral("help"));
        m_browser->setAttribute(Qt::WA_DeleteOnClose);
        m_browser->setOpenExternalLinks(true);
        m_browser->resize(720, 640);
    }
    m_browser->setSource(QUrl::fromLocalFile(path));
    m_browser->setWindowTitle(m_browser->documentTitle());
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

void DesktopBrowser::open(const QUrl& url) { QDesktopServices::openUrl(url); }
