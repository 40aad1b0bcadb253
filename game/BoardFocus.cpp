// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardFocus.h"
#include "game/BoardColours.h"
#include "game/BoardWidgets.h"
#include "game/Rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

FocusRing::FocusRing(QWidget* board) : QWidget(board)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

int FocusRing::darkWidth(int height) { return std::max(2, int(std::lround(height / 12.0))); }
int FocusRing::lightWidth(int height) { return std::max(2, int(std::lround(height / 16.0))); }

void FocusRing::follow(QWidget* now)
{
    QWidget* board = parentWidget();
    const bool ours = now && now != board && now != this && board->isAncestorOf(now);
    if (now == m_target && ours)
        return;
    for (const QPointer<QWidget>& w : std::as_const(m_watched))
        if (w)
            w->removeEventFilter(this);
    m_watched.clear();
    m_target = ours ? now : nullptr;
    if (!m_target) {
        hide();
        return;
    }
    // A control moves with the board's layout, and a card with the line it hangs on.
    for (QWidget* w = m_target; w && w != board; w = w->parentWidget()) {
        w->installEventFilter(this);
        m_watched << w;
    }
    place();
}

void FocusRing::place()
{
    if (!m_target || !m_target->isVisible()) {
        hide();
        return;
    }
    const int h = m_target->height();
    const int m = darkWidth(h) + lightWidth(h);
    const QRect inBoard(m_target->mapTo(parentWidget(), QPoint(0, 0)), m_target->size());
    setGeometry(inBoard.adjusted(-m, -m, m, m));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        place();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    if (!m_target)
        return;
    const int h = m_target->height();
    const int dark = darkWidth(h), light = lightWidth(h);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const colours::Scheme& c = colours::clear();
    // The light ring outside, the dark one on the control's edge.
    const QRectF outer = QRectF(rect()).adjusted(light / 2.0, light / 2.0, -light / 2.0, -light / 2.0);
    p.setPen(QPen(QColor::fromRgb(c.focusLight), light));
    p.drawRoundedRect(outer, light + dark, light + dark);
    const QRectF inner = QRectF(rect()).adjusted(light + dark / 2.0, light + dark / 2.0, -light - dark / 2.0,
                                                 -light - dark / 2.0);
    p.setPen(QPen(QColor::fromRgb(c.focusDark), dark));
    p.drawRoundedRect(inner, dark, dark);
}

void chainBoardControls(const QList<QWidget*>& buttons, const std::array<PictureButton*, 30>& cards,
                        const QString& letters)
{
    QList<QWidget*> order;
    for (QWidget* b : buttons)
        if (b)
            order << b;
    for (QChar letter : letters) {
        const int i = rules::indexOf(letter);
        if (i >= 0 && cards[i])
            order << cards[i];
    }
    for (QWidget* w : std::as_const(order))
        w->setFocusPolicy(Qt::TabFocus);
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

bool pressFocusedControl(QWidget* window, const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus == window || focus->window() != window || !focus->isEnabled() || !focus->isVisible())
        return false;
    if (auto* card = qobject_cast<PictureButton*>(focus)) {
        card->press();
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
        button->animateClick();
        return true;
    }
    return false;
}
