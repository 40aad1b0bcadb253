// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board without a mouse: its buttons and letter cards take the focus by Tab in reading order,
// a frame shows which of them has it, and Space or Enter presses it. Typed letters still belong to
// the window as a whole.
#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>

class PictureButton;
class QKeyEvent;

// The frame around the control of the board that has the keyboard focus: a dark ring on the
// control's edge and a light one around it, so it shows on the pale board as well as on the dark
// washing line, with or without clear signs. It grows with the control it frames, lies over the
// board and lets every click through.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* board);
    // The control framed now, null while the focus is elsewhere.
    QWidget* target() const { return m_target; }
    // The widths of the two rings, in pixels, for a control `height` pixels high.
    static int darkWidth(int height);
    static int lightWidth(int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* now);
    void place();
    QPointer<QWidget> m_target;
    QList<QPointer<QWidget>> m_watched; // the target and its parents up to the board
};

// Puts the board's controls into the focus chain in reading order: the buttons as given (top to
// bottom as they stand), then the cards of the language in the order they hang (`letters`: A to Z
// and the language's own letters). Every one of them takes the focus by Tab, never by a click.
void chainBoardControls(const QList<QWidget*>& buttons, const std::array<PictureButton*, 30>& cards,
                        const QString& letters);

// Enter or Return on a button or card of `window` that has the keyboard focus presses it; true
// when it did.
bool pressFocusedControl(QWidget* window, const QKeyEvent* event);
