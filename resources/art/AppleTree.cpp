// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Motif "apple tree": a leafy tree full of apples loses its apples and leaves through autumn
// until a bare winter tree is left, with a crow sitting on it.
#include "Crow.h"
#include "Ink.h"
#include "Pictures.h"

#include <QtMath>

#include <algorithm>
#include <vector>

namespace art {
namespace {

const QColor kSummerSky(0x7e, 0xcc, 0xf4);
const QColor kWinterSky(0xb4, 0xc2, 0xd8);
const QColor kGrass(0x7c, 0xc8, 0x4a);
const QColor kAutumnGrass(0xbf, 0xb0, 0x5c);
const QColor kSnow(0xf4, 0xf8, 0xff);
const QColor kSnowShade(0xc8, 0xd6, 0xee);
const QColor kBark(0x9a, 0x62, 0x36);
const QColor kApple(0xe8, 0x35, 0x2c);

struct LeafTone {
    QColor shade;
    QColor light;
};
const LeafTone kGreen{QColor(0x3e, 0x9a, 0x32), QColor(0x6c, 0xc6, 0x44)};
const LeafTone kYellow{QColor(0xe0, 0x9a, 0x1c), QColor(0xf8, 0xcc, 0x3c)};
const LeafTone kOrange{QColor(0xc4, 0x56, 0x1e), QColor(0xee, 0x80, 0x2a)};

// Share of the crown still on the tree, share of it turned autumn-coloured, and apples left.
constexpr qreal kLeavesKept[kStageCount] = {1.0, 0.9, 0.8, 0.68, 0.56, 0.44, 0.32, 0.2, 0.08, 0.0};
constexpr qreal kLeavesTurned[kStageCount] = {0.0, 0.12, 0.28, 0.42, 0.56, 0.7, 0.86, 1.0, 1.0, 1.0};
constexpr int kApplesKept[kStageCount] = {12, 10, 8, 7, 5, 4, 3, 2, 1, 0};

struct Branch {
    QPointF from;
    QPointF to;
    qreal width;
};

struct Blob {
    QPointF centre;
    qreal radius;
    qreal turnsAt; // when its leaves turn yellow or orange, in [0, 1)
    bool orange;
};

void grow(std::vector<Branch> &branches, QPointF from, qreal angle, qreal length, qreal width,
          int depth, Rng &rng)
{
    const QPointF to = from + QPointF(qCos(angle), qSin(angle)) * length;
    branches.push_back({from, to, width});
    if (depth == 0)
        return;
    const qreal spread = qDegreesToRadians(rng.range(22, 34));
    grow(branches, to, angle - spread, length * 0.7, width * 0.62, depth - 1, rng);
    grow(branches, to, angle + spread, length * 0.7, width * 0.62, depth - 1, rng);
}

std::vector<Branch> treeBranches()
{
    Rng rng(7);
    std::vector<Branch> branches;
    const QPointF top(80, 88);
    for (qreal degrees : {-148.0, -112.0, -68.0, -32.0})
        grow(branches, top, qDegreesToRadians(degrees), 24, 5.5, 2, rng);
    return branches;
}

// The crown is a set of leafy blobs sitting on the twigs, plus a few that fill the middle. The
// order of the list is the order in which they fall: the filling first, then at random.
std::vector<Blob> crownBlobs()
{
    Rng rng(11);
    const auto blobAt = [&rng](QPointF at) {
        const qreal dx = rng.range(-2, 2);
        const qreal dy = rng.range(-2, 2);
        const qreal radius = rng.range(10, 13);
        const qreal turnsAt = rng.next();
        const bool orange = rng.next() < 0.45;
        return Blob{at + QPointF(dx, dy), radius, turnsAt, orange};
    };
    std::vector<Blob> blobs;
    for (const QPointF &at : {QPointF(80, 64), QPointF(66, 74), QPointF(94, 74), QPointF(80, 48)})
        blobs.push_back(blobAt(at));
    std::vector<Blob> onTwigs;
    for (const Branch &branch : treeBranches()) {
        if (branch.width > 5)
            continue; // the four limbs carry no leaves of their own
        onTwigs.push_back(blobAt(branch.to));
        if (branch.width < 2.5)
            onTwigs.push_back(blobAt((branch.from + branch.to) / 2));
    }
    for (std::size_t i = onTwigs.size(); i > 1; --i)
        std::swap(onTwigs[i - 1], onTwigs[std::size_t(rng.next() * i)]);
    blobs.insert(blobs.end(), onTwigs.begin(), onTwigs.end());
    return blobs;
}

// Apples hang in the blobs that fall last, so no apple is left floating in the air, and never
// so close together that they overlap. The first place is the last apple to go.
struct ApplePlace {
    QPointF at;
    int blob;
};

std::vector<ApplePlace> applePlaces(const std::vector<Blob> &blobs)
{
    std::vector<ApplePlace> places;
    for (int i = int(blobs.size()) - 1; i >= 0 && places.size() < 12; --i) {
        const QPointF at = blobs[i].centre + QPointF(2, 3);
        const bool crowded = std::any_of(places.begin(), places.end(), [&](const ApplePlace &other) {
            return QLineF(at, other.at).length() < 13;
        });
        if (!crowded)
            places.push_back({at, i});
    }
    return places;
}

void drawSky(QPainter &painter, int stage)
{
    const qreal t = stage / qreal(kStageCount - 1);
    painter.fillRect(QRectF(0, 0, 160, 160), mix(kSummerSky, kWinterSky, t));
    if (stage <= 6)
        drawSun(painter, QPointF(136, 20 + stage * 7), 10);
    outlined(painter, cloud(QPointF(26, 20), 15), kWhite, 1.4);
    if (stage >= 5)
        outlined(painter, cloud(QPointF(124 - (stage - 5) * 6, 28), 17), kWhite, 1.4);
}

void drawGround(QPainter &painter, int stage)
{
    QPainterPath hill;
    hill.moveTo(-2, 126);
    hill.cubicTo(40, 116, 110, 116, 162, 128);
    hill.lineTo(162, 162);
    hill.lineTo(-2, 162);
    hill.closeSubpath();
    const QColor ground = stage == 9 ? kSnow : mix(kGrass, kAutumnGrass, stage / 8.0);
    outlined(painter, hill, ground, 1.6);
    if (stage == 9) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kSnowShade);
        painter.drawEllipse(QPointF(80, 142), 26, 4);
        painter.drawEllipse(QPointF(30, 150), 14, 3);
        painter.drawEllipse(QPointF(130, 152), 16, 3);
        return;
    }
    // Fallen leaves gather under the tree as the crown thins.
    Rng rng(23);
    for (int i = 0; i < stage * 5; ++i) {
        const QPointF at{rng.range(30, 130), rng.range(132, 156)}; // braces: evaluated in order
        const LeafTone &tone = rng.next() < 0.5 ? kYellow : kOrange;
        painter.save();
        painter.translate(at);
        painter.rotate(rng.range(0, 180));
        QPainterPath leaf;
        leaf.addEllipse(QPointF(0, 0), 3.2, 1.8);
        outlined(painter, leaf, tone.light, 0.9);
        painter.restore();
    }
}

void drawTree(QPainter &painter, int stage)
{
    QPainterPath trunk;
    trunk.moveTo(64, 141);
    trunk.quadTo(74, 134, 75, 112);
    trunk.lineTo(76, 86);
    trunk.lineTo(84, 86);
    trunk.lineTo(85, 112);
    trunk.quadTo(86, 134, 96, 141);
    trunk.closeSubpath();

    const std::vector<Branch> branches = treeBranches();
    painter.save();
    for (int pass = 0; pass < 2; ++pass) {
        for (const Branch &branch : branches) {
            const qreal width = pass == 0 ? branch.width + 2.8 : branch.width;
            painter.setPen(QPen(pass == 0 ? kInk : kBark, width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(branch.from, branch.to);
        }
        if (pass == 0)
            outlined(painter, trunk, kBark, 1.6);
    }
    painter.restore();
    // A knot-hole makes the trunk a tree rather than a post.
    outlined(painter, circle(QPointF(80, 116), 2.6), QColor(0x5a, 0x36, 0x20), 1.0);

    if (stage == 9) {
        painter.save();
        for (const Branch &branch : branches) {
            if (branch.to.y() > branch.from.y() - 2)
                continue; // snow lies only on branches that rise
            painter.setPen(QPen(kSnow, branch.width * 0.6, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(branch.from + QPointF(0, -branch.width * 0.5),
                             branch.to + QPointF(0, -branch.width * 0.5));
        }
        painter.restore();
    }
}

void drawCrown(QPainter &painter, int stage)
{
    const std::vector<Blob> blobs = crownBlobs();
    const int kept = qRound(blobs.size() * kLeavesKept[stage]);
    if (kept == 0)
        return;
    const int first = int(blobs.size()) - kept;

    QPainterPath crown;
    for (int i = first; i < int(blobs.size()); ++i)
        crown = crown.united(circle(blobs[i].centre, blobs[i].radius));
    outlined(painter, crown.simplified(), kGreen.shade, 3.2);

    painter.setPen(Qt::NoPen);
    const auto toneOf = [&](const Blob &blob) -> const LeafTone & {
        if (blob.turnsAt >= kLeavesTurned[stage])
            return kGreen;
        return blob.orange ? kOrange : kYellow;
    };
    for (int i = first; i < int(blobs.size()); ++i) {
        painter.setBrush(toneOf(blobs[i]).shade);
        painter.drawEllipse(blobs[i].centre, blobs[i].radius, blobs[i].radius);
    }
    for (int i = first; i < int(blobs.size()); ++i) {
        const qreal r = blobs[i].radius - 2.6;
        painter.setBrush(toneOf(blobs[i]).light);
        painter.drawEllipse(blobs[i].centre + QPointF(-1.4, -1.6), r, r);
    }

    const std::vector<ApplePlace> apples = applePlaces(blobs);
    for (int a = 0; a < qMin(kApplesKept[stage], int(apples.size())); ++a) {
        if (apples[a].blob < first)
            continue;
        const QPointF at = apples[a].at;
        painter.setPen(QPen(QColor(0x6a, 0x40, 0x22), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at + QPointF(0, -4), at + QPointF(0.8, -7));
        outlined(painter, circle(at, 5.2), kApple, 1.3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kWhite);
        painter.drawEllipse(at + QPointF(-1.8, -1.8), 1.3, 1.3);
    }
}

void drawSnowflakes(QPainter &painter)
{
    Rng rng(31);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSnow);
    for (int i = 0; i < 26; ++i)
        painter.drawEllipse(QPointF{rng.range(4, 156), rng.range(4, 116)}, 1.4, 1.4);
}

} // namespace

QImage drawAppleTree(int stage, qreal scale)
{
    QImage image = canvas(kStageSize, kStageSize, kSummerSky, scale);
    QPainter painter;
    beginPainting(painter, image);
    drawSky(painter, stage);
    drawGround(painter, stage);
    drawTree(painter, stage);
    drawCrown(painter, stage);
    if (stage == 9) {
        drawSnowflakes(painter);
        drawCrow(painter, QPointF(113, 63), 30, true);
    }
    painter.end();
    return image;
}

} // namespace art
