// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetterCards.h"

#include "Ink.h"
#include "Pictures.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>
#include <cstdio>

namespace art {
namespace {

QString g_family;
QString g_smallFamily;

const QColor kCardFace(0xff, 0xf6, 0xda);
const QColor kTileFace(0xcf, 0xc4, 0xa6);
const QColor kCardShade(0xe2, 0xcf, 0xa4);

// Letters take turns through strong colours that all stand out on the pale card: each reads at
// least 4.5 : 1 against the card's face, as any text should.
const QColor kLetterColours[] = {
    QColor(0xd6, 0x1f, 0x3a), QColor(0x16, 0x5f, 0xc8), QColor(0x13, 0x7f, 0x37),
    QColor(0x84, 0x36, 0xa8), QColor(0xb9, 0x4c, 0x00), QColor(0x0b, 0x7a, 0x81),
};

// Where the letter may stand: below the peg, inside the card's rim.
const QRectF kGlyphBox(2.0, 7.5, 21.0, 20.5);
constexpr qreal kBaseline = 26.5;
constexpr qreal kCapHeight = 18.0;

} // namespace

bool loadLetterFont()
{
    const char *path = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    if (id < 0) {
        std::fprintf(stderr, "wupple-artgen: the letters need %s (package fonts-dejavu-core)\n", path);
        return false;
    }
    g_family = QFontDatabase::applicationFontFamilies(id).value(0);
    return true;
}

bool loadSmallLetterFont()
{
    if (!g_smallFamily.isEmpty())
        return true;
    const char *path = "/usr/share/fonts/truetype/andika/Andika-Bold.ttf";
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    if (id < 0) {
        std::fprintf(stderr, "wupple: the small letters need %s (package fonts-sil-andika)\n", path);
        return false;
    }
    g_smallFamily = QFontDatabase::applicationFontFamilies(id).value(0);
    return !g_smallFamily.isEmpty();
}

QString letterOf(int index)
{
    static const QString extra = QStringLiteral("ÄÖÜÅ");
    return index < 26 ? QString(QChar(u'A' + index)) : QString(extra[index - 26]);
}

QColor letterCardFace() { return kCardFace; }

QColor letterColour(int index)
{
    return kLetterColours[index % std::size(kLetterColours)];
}

void paintCard(QPainter &painter, const QColor &face)
{
    QPainterPath card;
    card.addRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 3, 3);
    outlined(painter, card, face, 1.0);
    // A darker rim along the bottom and right lets the card stand off the ground.
    painter.save();
    painter.setPen(QPen(face == kCardFace ? kCardShade : face.darker(115), 1.2, Qt::SolidLine,
                        Qt::RoundCap));
    painter.drawLine(QPointF(3, kCardHeight - 2.1), QPointF(kCardWidth - 3, kCardHeight - 2.1));
    painter.drawLine(QPointF(kCardWidth - 2.1, 4), QPointF(kCardWidth - 2.1, kCardHeight - 3));
    painter.restore();
}

// Draws `letter` in `font` into the card's letter box: at most `scale` times its size, on the
// given baseline, narrowed rather than shrunk when too wide, and fitted into the box when a tail
// or an accent would leave it.
static void paintFitted(QPainter &painter, const QFont &font, const QString &letter, qreal scale, qreal baseline,
                 const QColor &colour)
{
    QPainterPath glyph;
    glyph.addText(0, 0, font, letter);
    const QRectF bounds = glyph.boundingRect();
    const qreal scaleY = std::min(scale, kGlyphBox.height() / bounds.height());
    const qreal scaleX = std::min(scaleY, kGlyphBox.width() / bounds.width());
    qreal top = baseline + bounds.top() * scaleY;
    if (top < kGlyphBox.top() || top + bounds.height() * scaleY > kGlyphBox.bottom())
        top = kGlyphBox.top() + (kGlyphBox.height() - bounds.height() * scaleY) / 2;
    const qreal left = kGlyphBox.left() + (kGlyphBox.width() - bounds.width() * scaleX) / 2;

    painter.save();
    painter.translate(left - bounds.left() * scaleX, top - bounds.top() * scaleY);
    painter.scale(scaleX, scaleY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(glyph);
    painter.restore();
}

void paintLetter(QPainter &painter, const QString &letter, const QColor &colour)
{
    QFont font(g_family);
    font.setBold(true);
    font.setPixelSize(100);
    // A letter keeps the height of the capitals; one too wide for the card (W, M) is narrowed
    // just enough to fit rather than shrunk as a whole, which would make it read as lower case.
    // Plain capitals share one baseline.
    paintFitted(painter, font, letter, kCapHeight / QFontMetricsF(font).capHeight(), kBaseline, colour);
}

void paintSmallLetter(QPainter &painter, const QString &letter, const QColor &colour)
{
    QFont font(g_smallFamily.isEmpty() ? g_family : g_smallFamily);
    font.setBold(true);
    font.setPixelSize(100);
    // The letters share one baseline and the ascenders reach a little above the height of the
    // capitals, so a, b and g stand as they do in a child's first book and the small ones are big
    // enough to read from afar; a letter too tall or wide is fitted.
    paintFitted(painter, font, letter, kCapHeight * 1.15 / QFontMetricsF(font).capHeight(), kBaseline - 3.5, colour);
}

void paintPeg(QPainter &painter, qreal centreX, qreal lineTop)
{
    QPainterPath peg;
    peg.addRoundedRect(QRectF(centreX - 2.5, lineTop - 5, 5, 11), 1.2, 1.2);
    outlined(painter, peg, QColor(0xf0, 0xbe, 0x70), 1.0);
    painter.save();
    painter.setPen(QPen(QColor(0x9a, 0x62, 0x2c), 1.0));
    painter.drawLine(QPointF(centreX, lineTop + 1), QPointF(centreX, lineTop + 5.5));
    painter.setPen(QPen(QColor(0xb8, 0xbe, 0xcc), 1.4));
    painter.drawLine(QPointF(centreX - 2.3, lineTop - 1), QPointF(centreX + 2.3, lineTop - 1));
    painter.restore();
}

QImage drawLetterCard(int index, qreal scale)
{
    QImage image = canvas(kCardWidth, kCardHeight, kStripGround, scale);
    QPainter painter;
    beginPainting(painter, image);
    paintCard(painter, kCardFace);
    paintLetter(painter, letterOf(index), letterColour(index));
    paintPeg(painter, kCardWidth / 2.0, 0);
    painter.end();
    return image;
}

QImage drawSmallLetterCard(int index, qreal scale)
{
    loadSmallLetterFont();
    QImage image = canvas(kCardWidth, kCardHeight, kStripGround, scale);
    QPainter painter;
    beginPainting(painter, image);
    paintCard(painter, kCardFace);
    paintSmallLetter(painter, letterOf(index).toLower(), letterColour(index));
    paintPeg(painter, kCardWidth / 2.0, 0);
    painter.end();
    return image;
}

QImage drawEmptyTile(qreal scale)
{
    QImage image = canvas(kCardWidth, kCardHeight, kStripGround, scale);
    QPainter painter;
    beginPainting(painter, image);
    paintCard(painter, kTileFace);
    // The blank line on which the letter is to be written.
    painter.setPen(QPen(QColor(0x8a, 0x7e, 0x64), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7, 23), QPointF(18, 23));
    paintPeg(painter, kCardWidth / 2.0, 0);
    painter.end();
    return image;
}

} // namespace art
