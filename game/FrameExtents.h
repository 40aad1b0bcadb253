// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The size of the frame a window manager has put around a top-level window, read from the X
// server itself. Qt learns of a changed frame only with the next move or resize, so a window
// coming back from maximized may report the frame it had while maximized; the placement that is
// stored and restored must use the frame as it is.
#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QWidget>
#include <optional>

class FrameExtents final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit FrameExtents(QObject* parent = nullptr);
    ~FrameExtents() override;

    // The frame around `window` as the window manager reports it; empty where there is no X11
    // window manager telling it (another platform, none running, the window not framed yet).
    std::optional<QMargins> of(const QWidget* window) const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // The window manager changed the frame of the window with this id.
    void changed(WId window);

private:
    void* m_connection = nullptr; // xcb_connection_t
    quint32 m_atom = 0;
};
