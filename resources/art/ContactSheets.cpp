// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheets.h"

#include "LetterCards.h"
#include "Pictures.h"

#include <QDir>
#include <QPainter>

#include <cstdio>

namespace art {
namespace {

const QColor kSheetGround(0x80, 0x80, 0x88);
constexpr int kGap = 8;

class Sheets {
public:
    Sheets(QString pictures, QString sheets) : m_pictures(std::move(pictures)), m_sheets(std::move(sheets)) {}

    QImage load(const QString &name)
    {
        QImage image(m_pictures + u'/' + name);
        if (image.isNull()) {
            std::fprintf(stderr, "contact sheets: cannot read %s\n", qPrintable(name));
            m_ok = false;
            return QImage(1, 1, QImage::Format_RGB32);
        }
        return image;
    }
    QImage scaled(const QString &name, int factor)
    {
        const QImage image = load(name);
        return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    void save(const QImage &sheet, const QString &name)
    {
        if (!sheet.save(m_sheets + u'/' + name))
            m_ok = false;
    }
    bool ok() const { return m_ok; }

private:
    QString m_pictures;
    QString m_sheets;
    bool m_ok = true;
};

QString stageName(int motif, int stage)
{
    return QStringLiteral("stage%1.bmp").arg(101 + stage + 10 * motif);
}

QImage stageGrid(Sheets &sheets, int firstMotif, int motifs, int columns)
{
    const int cell = kStageSize * 2 + kGap;
    const int perMotifRows = kStageCount / columns;
    QImage sheet(kGap + columns * cell, kGap + motifs * perMotifRows * cell, QImage::Format_RGB32);
    sheet.fill(kSheetGround);
    QPainter painter(&sheet);
    for (int m = 0; m < motifs; ++m)
        for (int s = 0; s < kStageCount; ++s) {
            const int row = m * perMotifRows + s / columns;
            painter.drawImage(kGap + (s % columns) * cell, kGap + row * cell,
                              sheets.scaled(stageName(firstMotif + m, s), 2));
        }
    return sheet;
}

// The strip with every card of the German and Swedish sets hung at its place, then a row of
// tiles as the word appears during play, then every small picture on its own.
QImage partsSheet(Sheets &sheets)
{
    QImage sheet(1240, 1070, QImage::Format_RGB32);
    sheet.fill(kSheetGround);
    QPainter painter(&sheet);
    constexpr int places[kLetterCount][2] = {
        {170, 200},  {590, 270},  {1030, 320}, {1450, 345}, {1900, 280}, {2460, 260},
        {2950, 320}, {3470, 340}, {4050, 345}, {4680, 270}, {5710, 330}, {6210, 420},
        {6780, 470}, {7320, 500}, {7950, 470}, {520, 980},  {940, 1070}, {1350, 1170},
        {1810, 1200}, {2290, 1220}, {2750, 1160}, {3180, 1080}, {3860, 1080}, {4420, 1150},
        {4930, 1210}, {5470, 1250}, {6010, 1220}, {6540, 1190}, {7050, 1110}, {7050, 1120}};
    QImage board = sheets.load(QStringLiteral("strip.bmp")).convertToFormat(QImage::Format_RGB32);
    {
        QPainter onBoard(&board);
        // The German set hangs Ü; a few picked letters leave their empty pegs.
        for (int i = 0; i < 29; ++i) {
            if (i == 4 || i == 19 || i == 26)
                continue;
            onBoard.drawImage(qRound(places[i][0] / 15.0), qRound(places[i][1] / 15.0),
                              sheets.load(QStringLiteral("letter%1.bmp").arg(i, 2, 10, QChar(u'0'))));
        }
    }
    painter.drawImage(kGap, kGap, board.scaled(board.size() * 2));

    // The word ELEFANT half guessed, as tiles on a dark board.
    const int row = 2 * 120 + 2 * kGap;
    painter.fillRect(kGap, row, 2 * 600, 2 * 44, QColor(0x1c, 0x2a, 0x62));
    const int word[] = {4, 11, 4, -1, -1, -1, 19};
    for (int i = 0; i < 7; ++i) {
        const QString name = word[i] < 0 ? QStringLiteral("tile.bmp")
                                         : QStringLiteral("letter%1.bmp").arg(word[i], 2, 10, QChar(u'0'));
        painter.drawImage(kGap + 2 * (200 + i * 30), row + 14, sheets.scaled(name, 2));
    }

    int y = row + 2 * 44 + kGap;
    for (int i = 0; i < kLetterCount; ++i)
        painter.drawImage(kGap + (i % 15) * 80, y + (i / 15) * 98,
                          sheets.scaled(QStringLiteral("letter%1.bmp").arg(i, 2, 10, QChar(u'0')), 3));
    y += 2 * 98;
    painter.drawImage(kGap, y, sheets.scaled(QStringLiteral("tile.bmp"), 3));
    for (int i = 0; i < 4; ++i)
        painter.drawImage(kGap + 100 + i * 90, y, sheets.scaled(QStringLiteral("symbol%1.bmp").arg(i), 3));
    for (int i = 0; i < 3; ++i)
        painter.drawImage(kGap + 480 + i * 90, y, sheets.scaled(QStringLiteral("spin%1.bmp").arg(i), 4));
    const char *buttons[] = {"button_start.png", "button_end.png", "button_hint.png"};
    for (int i = 0; i < 3; ++i) {
        painter.fillRect(kGap + 760 + i * 80, y, 64, 64, QColor(0xef, 0xef, 0xef));
        painter.drawImage(kGap + 760 + i * 80, y, sheets.scaled(QString::fromLatin1(buttons[i]), 2));
    }
    y += 100;
    painter.drawImage(kGap, y, sheets.scaled(QStringLiteral("splash.png"), 2));
    painter.drawImage(kGap + 660, y, sheets.load(QStringLiteral("icon.png")));
    painter.drawImage(kGap + 930, y, sheets.load(QStringLiteral("wupple.png")));
    return sheet;
}

} // namespace

bool writeContactSheets(const QString &picturesFolder, const QString &sheetFolder)
{
    QDir().mkpath(sheetFolder);
    Sheets sheets(picturesFolder, sheetFolder);
    sheets.save(stageGrid(sheets, 0, kMotifCount, 10), QStringLiteral("stages.png"));
    for (int m = 0; m < kMotifCount; ++m)
        sheets.save(stageGrid(sheets, m, 1, 5), QStringLiteral("motif%1.png").arg(m));
    sheets.save(partsSheet(sheets), QStringLiteral("parts.png"));
    return sheets.ok();
}

} // namespace art
