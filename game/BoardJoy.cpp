// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardJoy.h"

#include <QDateTime>
#include <QPainter>
#include <QRandomGenerator>
#include <QVariantAnimation>
#include <QtMath>

namespace {
constexpr int HopMs = 320;      // one tile's hop
constexpr int HopStaggerMs = 45; // the next tile starts this much later
constexpr int PopMs = 360;
constexpr int FallMs = 2600;

// Paper pieces falling over the board, each with its own drift, spin and colour.
class ConfettiLayer : public QWidget {
public:
    explicit ConfettiLayer(QWidget* board) : QWidget(board)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(board->rect());
        const QColor colours[] = {QColor(0xe8, 0x35, 0x2c), QColor(0x22, 0x6c, 0xe0), QColor(0xff, 0xcc, 0x2a),
                                  QColor(0x3c, 0xb4, 0x4a), QColor(0x84, 0x36, 0xa8), QColor(0xf0, 0x88, 0x20)};
        // Its own generator: the game's random numbers stay the game's.
        QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
        m_pieces.resize(140);
        for (Piece& p : m_pieces) {
            p.x = random.bounded(1.0);
            p.delay = random.bounded(0.35);
            p.speed = 0.8 + random.bounded(0.6);
            p.sway = random.bounded(2 * M_PI);
            p.spin = (random.bounded(2.0) - 1) * 6;
            p.colour = colours[random.bounded(int(std::size(colours)))];
        }
    }
    void setProgress(qreal t)
    {
        m_t = t;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const qreal size = std::max(6.0, height() / 60.0);
        for (const Piece& p : m_pieces) {
            const qreal t = (m_t - p.delay) / (1 - p.delay);
            if (t <= 0)
                continue;
            const qreal y = -size + t * p.speed * (height() + 2 * size);
            const qreal x = p.x * width() + qSin(p.sway + t * 9) * size * 2;
            painter.save();
            painter.translate(x, y);
            painter.rotate(qRadiansToDegrees(p.sway + t * p.spin));
            painter.setBrush(p.colour);
            // A flake seen edge-on narrows as it turns.
            painter.drawRect(QRectF(-size / 2, -size / 4, size * std::abs(qCos(t * p.spin * 2)) + 1, size / 2));
            painter.restore();
        }
    }

private:
    struct Piece {
        qreal x, delay, speed, sway, spin;
        QColor colour;
    };
    std::vector<Piece> m_pieces;
    qreal m_t = 0;
};

QVariantAnimation* animation(QObject* parent, int ms)
{
    auto* a = new QVariantAnimation(parent);
    a->setStartValue(0.0);
    a->setEndValue(1.0);
    a->setDuration(ms);
    return a;
}
} // namespace

BoardJoy::BoardJoy(QWidget* board) : QObject(board), m_board(board) {}

// The animations go with this object; the board's elements go with the board.
BoardJoy::~BoardJoy() = default;

void BoardJoy::hop(const std::vector<QWidget*>& tiles)
{
    finish(m_hop, m_hopping);
    for (QWidget* tile : tiles)
        m_hopping.push_back({tile, tile->geometry()});
    if (m_hopping.empty())
        return;
    const int count = int(m_hopping.size());
    const int stagger = std::min(HopStaggerMs, 600 / count);
    const int total = HopMs + (count - 1) * stagger;
    m_hop = animation(this, total);
    connect(m_hop, &QVariantAnimation::valueChanged, this, [this, total, stagger](const QVariant& value) {
        const qreal ms = value.toReal() * total;
        for (int i = 0; i < int(m_hopping.size()); ++i) {
            const Home& home = m_hopping[i];
            if (!home.widget)
                continue;
            const qreal t = std::clamp((ms - i * stagger) / HopMs, 0.0, 1.0);
            const int lift = qRound(qSin(t * M_PI) * home.geometry.height() * 0.4);
            home.widget->move(home.geometry.x(), home.geometry.y() - lift);
        }
    });
    connect(m_hop, &QVariantAnimation::finished, this, [this] { finish(m_hop, m_hopping); });
    m_hop->start();
}

void BoardJoy::pop(QWidget* token)
{
    finish(m_pop, m_popping);
    m_popping.push_back({token, token->geometry()});
    m_pop = animation(this, PopMs);
    // Grows from a dot past its size and settles back.
    m_pop->setKeyValueAt(0.65, 1.3);
    m_pop->setStartValue(0.15);
    connect(m_pop, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const Home& home = m_popping.front();
        if (!home.widget)
            return;
        const qreal f = value.toReal();
        const QSize size(qMax(1, qRound(home.geometry.width() * f)), qMax(1, qRound(home.geometry.height() * f)));
        QRect r(QPoint(), size);
        r.moveCenter(home.geometry.center());
        home.widget->setGeometry(r);
    });
    connect(m_pop, &QVariantAnimation::finished, this, [this] { finish(m_pop, m_popping); });
    m_pop->start();
}

void BoardJoy::confetti()
{
    if (m_fall)
        m_fall->stop();
    delete m_layer;
    auto* layer = new ConfettiLayer(m_board);
    m_layer = layer;
    layer->show();
    layer->raise();
    m_fall = animation(this, FallMs);
    connect(m_fall, &QVariantAnimation::valueChanged, layer,
            [layer](const QVariant& value) { layer->setProgress(value.toReal()); });
    connect(m_fall, &QVariantAnimation::finished, this, [this] {
        delete m_layer;
        if (m_fall)
            m_fall->deleteLater();
    });
    m_fall->start();
}

void BoardJoy::finish(QPointer<QVariantAnimation>& animation, std::vector<Home>& homes)
{
    if (animation) {
        QVariantAnimation* a = animation;
        animation = nullptr;
        a->disconnect(this);
        a->stop();
        a->deleteLater();
    }
    for (const Home& home : homes)
        if (home.widget)
            home.widget->setGeometry(home.geometry);
    homes.clear();
}

void BoardJoy::boardLaidOut()
{
    finish(m_hop, m_hopping);
    finish(m_pop, m_popping);
    if (m_layer)
        m_layer->setGeometry(m_board->rect());
}

void BoardJoy::stop()
{
    finish(m_hop, m_hopping);
    finish(m_pop, m_popping);
    if (m_fall) {
        QVariantAnimation* a = m_fall;
        m_fall = nullptr;
        a->disconnect(this);
        a->stop();
        a->deleteLater();
    }
    delete m_layer;
}

bool BoardJoy::running() const { return m_hop || m_pop || m_fall; }
