// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wupple-artgen: draws every picture of the game and writes it in the form the game loads.
//
//   wupple-artgen <output folder> [--sheets <folder>]
//
// With --sheets it also writes contact sheets of the finished pictures for looking at them.
#include "ContactSheets.h"
#include "IndexedImage.h"
#include "LetterCards.h"
#include "Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <functional>

namespace {

class Writer {
public:
    explicit Writer(QString folder) : m_folder(std::move(folder)) {}

    void bitmap(const QString &name, const QImage &drawing, const QList<QColor> &pinned = {})
    {
        bitmap(name, art::quantize(drawing, name, pinned));
    }
    void bitmap(const QString &name, const art::IndexedImage &image)
    {
        write(name, art::encodeBmp4(image));
    }
    void png(const QString &name, const QImage &image)
    {
        QSaveFile file(pathFor(name));
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
            fail(name, file.errorString());
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QSaveFile file(pathFor(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            fail(name, file.errorString());
    }
    bool failed() const { return m_failed; }

private:
    // A name may lead into sub-folders (the icon theme's tree); they are made on the way.
    QString pathFor(const QString &name) const
    {
        const QString path = m_folder + u'/' + name;
        QDir().mkpath(QFileInfo(path).path());
        return path;
    }
    void fail(const QString &name, const QString &reason)
    {
        std::fprintf(stderr, "wupple-artgen: cannot write %s/%s: %s\n", qPrintable(m_folder),
                     qPrintable(name), qPrintable(reason));
        m_failed = true;
    }

    QString m_folder;
    bool m_failed = false;
};



} // namespace

int main(int argc, char *argv[])
{
    // The tool runs during the build, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool sheets = args.size() == 4 && args[2] == u"--sheets";
    if (args.size() != 2 && !sheets) {
        std::fprintf(stderr, "usage: wupple-artgen <output folder> [--sheets <folder>]\n");
        return 2;
    }
    if (!art::loadLetterFont())
        return 1;
    const QString folder = args[1];
    QDir().mkpath(folder);
    Writer out(folder);

    for (int motif = 0; motif < art::kMotifCount; ++motif)
        for (int stage = 0; stage < art::kStageCount; ++stage)
            out.bitmap(QStringLiteral("stage%1.bmp").arg(101 + stage + 10 * motif),
                       art::drawStage(motif, stage));

    const QList<QColor> stripGround{art::kStripGround};
    out.bitmap(QStringLiteral("strip.bmp"), art::drawLetterStrip(), stripGround);
    for (int i = 0; i < art::kLetterCount; ++i)
        out.bitmap(QStringLiteral("letter%1.bmp").arg(i, 2, 10, QChar(u'0')), art::drawLetterCard(i),
                   stripGround);
    out.bitmap(QStringLiteral("tile.bmp"), art::drawEmptyTile(), stripGround);
    for (int motif = 0; motif < art::kMotifCount; ++motif)
        out.bitmap(QStringLiteral("symbol%1.bmp").arg(motif), art::drawToken(motif),
                   {art::kTokenGround});
    for (int state = 0; state < 3; ++state)
        out.bitmap(QStringLiteral("spin%1.bmp").arg(state), art::drawSpinner(state));

    out.png(QStringLiteral("button_start.png"), art::drawStartButton());
    out.png(QStringLiteral("button_end.png"), art::drawEndButton());
    out.png(QStringLiteral("button_hint.png"), art::drawHintButton());
    out.png(QStringLiteral("splash.png"), art::drawSplash());
    out.png(QStringLiteral("icon.png"), art::drawIcon(256));
    out.png(QStringLiteral("wupple.png"), art::drawIcon(128));
    for (int size : art::kIconSizes)
        out.png(art::iconFileName(size), art::drawIcon(size));
    out.write(QStringLiteral("hicolor/scalable/apps/wupple.svg"), art::drawIconSvg());

    if (out.failed())
        return 1;
    if (sheets && !art::writeContactSheets(folder, args[3]))
        return 1;
    return 0;
}
