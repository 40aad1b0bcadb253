// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small picture controls of the board.
#include "game/BoardPictures.h"

#include <QLabel>

// A picture that acts as a button: it reports clicks while enabled. Letter buttons carry their
// letter as the tag. It takes the focus by Tab (never by a click), and Space presses it as a click
// does; any other key, a typed letter above all, goes on to the window.
class PictureButton : public PictureLabel {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);
    QChar tag;
    // A card left on the line when a word is over carries a stroke, not only the grey of a
    // card that cannot be taken.
    void setStruck(bool struck);
    bool struck() const { return m_struck; }
    // Pressed from the keyboard or by a screen reader: a click, if the button can take one.
    void press();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool m_struck = false;
    bool m_spaceDown = false;
};

// The name of a player, white on red while it is their turn, light grey on blue otherwise; with
// clear signs also a star beside the name while it is their turn.
class NameLabel : public QLabel {
    Q_OBJECT
public:
    explicit NameLabel(QWidget* parent = nullptr);
    void setColours(QRgb background, QRgb text);
    QRgb background() const { return m_background; }
    QRgb textColour() const { return m_text; }
    // The star in the room the indent leaves before the name.
    void setMarked(bool marked);
    bool marked() const { return m_marked; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRgb m_background = 0;
    QRgb m_text = 0;
    bool m_marked = false;
};

// Colours as the classic 0x00BBGGRR values.
QRgb fromBgr(unsigned bgr);
