#include "settings/Spinner.h"
#include "game/Layout.h"

#include <QMouseEvent>
#include <QPixmap>

namespace {
// The classic mouse-button and shift codes: left 1, right 2, middle 4; shift 1, ctrl 2, alt 4.
int buttonCode(Qt::MouseButton b) { return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0; }
int shiftCode(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
} // namespace

Spinner::Spinner(QWidget* parent) : QLabel(parent)
{
    setScaledContents(true);
    showPicture(0);
}

void Spinner::showPicture(int which)
{
    m_picture = which;
    setPixmap(QPixmap(QStringLiteral(":/pictures/spin%1.bmp").arg(which)));
}

void Spinner::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position() * layout::TwipsPerPixel;
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
}

void Spinner::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = event->position() * layout::TwipsPerPixel;
    emit released(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
}
