// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's pictures at the size they are shown. At the design size on an ordinary screen they
// are the pictures the game ships; larger (a grown board, a dense screen) they are drawn anew by
// the same drawing code at exactly the pixels they cover, so nothing is ever blown up blurry.
#include <QLabel>
#include <QPixmap>

enum class PictureKind { None, Stage, Strip, Letter, Tile, Token, Button };

struct BoardPicture {
    PictureKind kind = PictureKind::None;
    int index = 0; // stage: 101..140 as the bitmap ids; letter 0..29; token: motif; button 0..2
    bool operator==(const BoardPicture&) const = default;
};

// Size of the picture in the design, in pixels.
QSize designSize(BoardPicture picture);

// The picture for a control of `size` (device-independent pixels) on a screen of pixel ratio
// `ratio`. A control whose shape differs from the picture's (the first stage while it grows)
// gets the picture at its width, and the label squeezes it as it always has.
QPixmap boardPixmap(BoardPicture picture, QSize size, qreal ratio);

// Forgets the pictures drawn for sizes no longer shown.
void forgetBoardPixmaps();

// A label that shows one of the board's pictures, always at the pixels it covers.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(QWidget* parent = nullptr);
    void setPicture(BoardPicture picture);
    BoardPicture picture() const { return m_picture; }
    // A letter the players did not find, shown as the solution of a lost word: faded behind a
    // dashed frame, so it differs from a found letter in shape and lightness, not in colour only.
    void setShownOnly(bool shownOnly);
    bool shownOnly() const { return m_shownOnly; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardPicture m_picture;
    bool m_shownOnly = false;
};
