// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmInfo.h"
#include "common/FixedDialog.h"
#include "about/HelpFile.h"
#include "common/Allgemein.h"
#include "common/Await.h"
#include "common/ErrorReport.h"
#include "common/Version.h"
#include "i18n/Catalogue.h"
#include "i18n/DesktopLanguage.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmInfo::frmInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    useFixedDialogFrame(this);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    auto* picture = new QLabel(this);
    // Through QImage: QPixmap's own loading would keep a copy in the pixmap cache for the whole
    // run, long after the start-up window has gone.
    picture->setPixmap(QPixmap::fromImage(QImage(QStringLiteral(":/pictures/splash.png"))));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    Label[0] = new QLabel(this);
    Label[0]->setObjectName(QStringLiteral("Label_0"));
    QFont title = Label[0]->font();
    title.setPointSize(16);
    title.setBold(true);
    Label[0]->setFont(title);
    Label[0]->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label[0]);
    Label[1] = new QLabel(QStringLiteral("© Tobrix"), this);
    Label[1]->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label[1]);
    ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->hide();
    layout->addWidget(ok, 0, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, this, [this] { OK_Click(); });
    setStyleSheet(QStringLiteral("frmInfo { background: #fff6d8; } QLabel { color: #6b3d12; }"));
}

void frmInfo::Form_Load()
{
    const QString tag = QStringLiteral("Form_Load");
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move((s.width() - width()) / 2, (s.height() - height()) / 2);
    }
    // The start-up display brings the stored language; the About window shows the language in
    // play, which the file may not hold (a settings file that could not be written).
    if (!g().InfoGezeigt)
        step(tag, [] { g().SprachOffset = validLanguageOffset(GetIniInt(keys::Optionen, keys::Sprache, desktopLanguageOffset())); });
    Sprache();
    if (g().InfoGezeigt)
        ok->show(); // as the About window; Escape closes it like OK
}

void frmInfo::Sprache()
{
    step(QStringLiteral("Sprache"), [&] {
        helpFile() = LoadText(145);
        g().ProgrammTitel = LoadText(100);
        Label[0]->setText(g().ProgrammTitel + QStringLiteral("  ") + versionText());
        setWindowTitle(g().ProgrammTitel);
    });
}

void frmInfo::OK_Click()
{
    step(QStringLiteral("OK_Click"), [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* main = qobject_cast<QMainWindow*>(w); main && !main->isVisible())
                main->show();
        accept();
    });
}

void frmInfo::startUp(const std::function<QWidget*()>& loadMainWindow)
{
    auto* display = new frmInfo(nullptr);
    display->Form_Load();
    display->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    QWidget* main = loadMainWindow();
    g().InfoGezeigt = True;
    if (!main->isVisible()) {
        const Qt::WindowStates state = main->windowState();
        main->show();
        main->setWindowState(state);
        main->activateWindow();
    }
    QApplication::restoreOverrideCursor();
    display->close();
    delete display;
}

QCoro::Task<> frmInfo::showAbout(QWidget* parent)
{
    QPointer<frmInfo> about = new frmInfo(parent);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->Form_Load();
    about->setWindowModality(Qt::ApplicationModal);
    about->open();
    co_await signalOrEnd(about.data(), &QDialog::finished);
}
