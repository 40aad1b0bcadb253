// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main window stands: its outer rectangle in twips (frame, title bar and menu included)
// as Wupple.ini stores it, its state (normal, minimized, maximized), and bringing a stored
// placement back exactly once the window manager has framed the window.
#include <QMargins>
#include <QObject>
#include <QRect>
#include <optional>

class FrameExtents;
class QWidget;

class WindowPlacement : public QObject {
    Q_OBJECT
public:
    enum State { Normal = 0, Minimized = 1, Maximized = 2 }; // the stored numbers

    // Watches `window` (a top-level widget) for as long as it lives.
    explicit WindowPlacement(QWidget* window);

    State state() const;
    QRect outerTwips() const;
    // Asks for this outer placement; it is applied again once the frame is known, and kept for
    // the return to the normal state while the window is maximized or minimized.
    void setOuterTwips(const QRect& outer);

    // The placement stored in Wupple.ini, brought back on the primary screen.
    void restore();
    // Stores the placement as it is now, in one write: a minimized window stores nothing, a
    // maximized one only its state (the normal placement of the last run stays).
    void store() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    // The frame around the window as it is now (Qt's own idea of it can lag behind).
    QMargins frameNow() const;

    QWidget* m_window;
    FrameExtents* m_frames;
    // The outer placement asked for, kept until it has been applied to a framed window in its
    // normal state: before the window manager frames the window its frame has no size, and the
    // outer size would be taken for the inner one (the window would grow at every start).
    std::optional<QRect> m_wanted;
    QMargins m_appliedFrame;
    int m_tries = 0;
};
