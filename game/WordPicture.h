// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture of a word on the board: a light card with the thing drawn large in the colour
// emoji font. The font is first opened when a card is first painted, so a game that never
// shows a picture never loads it.
#include <QString>
#include <QWidget>

class WordPictureCard : public QWidget {
    Q_OBJECT
public:
    explicit WordPictureCard(QWidget* parent);

    // The emoji to draw; empty draws nothing.
    void setPicture(const QString& picture);
    QString picture() const { return m_picture; }
    // A clue stands small in a corner of the stage picture, so the misses stay in view; after the
    // word the picture covers the stage picture.
    void setClue(bool clue) { m_clue = clue; }
    bool isClue() const { return m_clue; }

    // The family of the colour emoji font.
    static QString emojiFamily();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_picture;
    bool m_clue = false;
};
