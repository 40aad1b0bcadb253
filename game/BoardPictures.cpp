// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardPictures.h"

#include "LetterCards.h"
#include "Pictures.h"

#include <QBitmap>
#include <QHash>
#include <QPainter>

namespace {
// The cards and tokens are drawn on a ground colour of their own; it is cut away so they sit on
// whatever lies behind them.
QPixmap cutOut(const QImage& image, QColor ground)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(pixmap.createMaskFromColor(ground));
    return pixmap;
}

QString resourceName(BoardPicture p)
{
    switch (p.kind) {
    case PictureKind::Stage:
        return QStringLiteral(":/pictures/stage%1.bmp").arg(p.index);
    case PictureKind::Strip:
        return QStringLiteral(":/pictures/strip.bmp");
    case PictureKind::Letter:
        return QStringLiteral(":/pictures/letter%1.bmp").arg(p.index, 2, 10, QLatin1Char('0'));
    case PictureKind::Tile:
        return QStringLiteral(":/pictures/tile.bmp");
    case PictureKind::Token:
        return QStringLiteral(":/pictures/symbol%1.bmp").arg(p.index);
    case PictureKind::Button: {
        const char* const names[3] = {"button_start", "button_end", "button_hint"};
        return QStringLiteral(":/pictures/%1.png").arg(QLatin1String(names[std::clamp(p.index, 0, 2)]));
    }
    case PictureKind::None:
        break;
    }
    return {};
}

QImage drawn(BoardPicture p, qreal scale)
{
    switch (p.kind) {
    case PictureKind::Stage:
        return art::drawStage((p.index - 101) / 10, (p.index - 101) % 10, scale);
    case PictureKind::Strip:
        return art::drawLetterStrip(scale);
    case PictureKind::Letter: {
        static const bool fontLoaded = art::loadLetterFont();
        return fontLoaded ? art::drawLetterCard(p.index, scale) : QImage();
    }
    case PictureKind::Tile:
        return art::drawEmptyTile(scale);
    case PictureKind::Token:
        return art::drawToken(p.index, scale);
    case PictureKind::Button:
        return p.index == 0 ? art::drawStartButton(scale)
                            : p.index == 1 ? art::drawEndButton(scale) : art::drawHintButton(scale);
    case PictureKind::None:
        break;
    }
    return {};
}

QPixmap finished(BoardPicture p, const QImage& image)
{
    if (p.kind == PictureKind::Letter || p.kind == PictureKind::Tile)
        return cutOut(image, art::kStripGround);
    if (p.kind == PictureKind::Token)
        return cutOut(image, art::kTokenGround);
    return QPixmap::fromImage(image);
}

QHash<QString, QPixmap>& cache()
{
    static QHash<QString, QPixmap> pixmaps;
    return pixmaps;
}
} // namespace

QSize designSize(BoardPicture p)
{
    switch (p.kind) {
    case PictureKind::Stage:
        return {art::kStageSize, art::kStageSize};
    case PictureKind::Strip:
        return {600, 120};
    case PictureKind::Letter:
    case PictureKind::Tile:
        return {art::kCardWidth, art::kCardHeight};
    case PictureKind::Token:
        return {26, 27};
    case PictureKind::Button:
        return {32, 32};
    case PictureKind::None:
        break;
    }
    return {};
}

QPixmap boardPixmap(BoardPicture p, QSize size, qreal ratio)
{
    const QSize design = designSize(p);
    if (design.isEmpty() || size.isEmpty())
        return {};
    // Device pixels across; the height follows the picture's own shape.
    const int across = qRound(size.width() * ratio);
    const qreal scale = qreal(across) / design.width();
    const bool shipped = across == design.width();
    const QString key = QStringLiteral("%1/%2/%3").arg(int(p.kind)).arg(p.index).arg(shipped ? 0 : across);
    auto found = cache().constFind(key);
    if (found != cache().cend())
        return *found;
    QPixmap pixmap;
    if (shipped) {
        QImage image(resourceName(p));
        pixmap = finished(p, image);
    } else {
        QImage image = drawn(p, scale);
        image.setDevicePixelRatio(1);
        pixmap = finished(p, image);
        pixmap.setDevicePixelRatio(ratio);
    }
    cache().insert(key, pixmap);
    return pixmap;
}

void forgetBoardPixmaps() { cache().clear(); }

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) { setScaledContents(true); }

void PictureLabel::setPicture(BoardPicture picture)
{
    m_picture = picture;
    // A hidden label holds no picture: it gets one at the pixels it covers when first painted, so
    // the stages not reached yet and the tokens not won yet cost no memory.
    if (isVisible())
        setPixmap(boardPixmap(picture, size(), devicePixelRatioF()));
    else
        clear();
}

void PictureLabel::paintEvent(QPaintEvent* event)
{
    // Drawn when first shown at a size, so hidden pictures cost nothing.
    if (m_picture.kind != PictureKind::None) {
        const QPixmap wanted = boardPixmap(m_picture, size(), devicePixelRatioF());
        if (wanted.cacheKey() != pixmap().cacheKey())
            setPixmap(wanted);
    }
    QLabel::paintEvent(event);
    if (m_shownOnly) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.fillRect(area, QColor(255, 255, 255, 110));
        QPen dashes(QColor(0x40, 0x40, 0x40), std::max(1.5, width() / 14.0), Qt::DashLine);
        painter.setPen(dashes);
        const qreal inset = dashes.widthF() / 2;
        painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), width() / 8.0, width() / 8.0);
    }
}

void PictureLabel::setShownOnly(bool shownOnly)
{
    if (shownOnly == m_shownOnly)
        return;
    m_shownOnly = shownOnly;
    update();
}
