// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>

// The up/down picture beside a number: the square is split along its diagonal from the top right
// to the bottom left; a press in the upper-left half counts up, anywhere else counts down. The
// spinner only reports presses and releases; the dialog decides what they do. It takes the focus
// like any control and is worked from the keyboard as well: Up or Right counts up, Down or Left
// down, Page Up and Page Down go to the highest and the lowest number. A frame shows the focus.
class Spinner : public QLabel {
    Q_OBJECT
public:
    explicit Spinner(QWidget* parent = nullptr);
    // 0 both halves raised, 1 upper-left pressed, 2 lower-right pressed
    void showPicture(int which);
    int picture() const { return m_picture; }

signals:
    // Button and shift state in the classic codes (left 1, right 2, middle 4; shift 1, ctrl 2,
    // alt 4); position in twips within the 300 x 300 twip square.
    void pressed(int button, int shift, double x, double y);
    void released(int button, int shift, double x, double y);
    // A key counts by `steps` (+1 up, -1 down; a page as far as the numbers go).
    void stepped(int steps);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_picture = -1;
};
