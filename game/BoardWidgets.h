// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small picture controls of the board.
#include "game/BoardPictures.h"

#include <QLabel>

// A picture that acts as a button: it reports clicks while enabled. Letter buttons carry their
// letter as the tag.
class PictureButton : public PictureLabel {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);
    QChar tag;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The name of a player, white on red while it is their turn, light grey on blue otherwise.
class NameLabel : public QLabel {
    Q_OBJECT
public:
    explicit NameLabel(QWidget* parent = nullptr);
    void setColours(QRgb background, QRgb text);
    QRgb background() const { return m_background; }
    QRgb textColour() const { return m_text; }

private:
    QRgb m_background = 0;
    QRgb m_text = 0;
};

// Colours as the classic 0x00BBGGRR values.
QRgb fromBgr(unsigned bgr);
