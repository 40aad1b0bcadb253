// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up time and memory: the least a Qt 6 Widgets program costs, one plain
// main window with a menu bar, shown maximized as the game shows itself on its first start (the
// window's own pixels are then the same for both).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.showMaximized();
    return QApplication::exec();
}
