// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The information window: the start-up display while the main window loads, and afterwards
// the About window.
#include <QDialog>
#include <QCoro/QCoroTask>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

class frmInfo : public QDialog {
    Q_OBJECT
public:
    // Program start: shows the display with a busy pointer, loads and shows the main window,
    // then goes away. `loadMainWindow` makes the main window, which stays the caller's.
    static void startUp(const std::function<QWidget*()>& loadMainWindow);
    // The About window, modal over `parent`, until OK or Escape.
    static QCoro::Task<> showAbout(QWidget* parent);

    std::array<QLabel*, 2> Label{};
    QPushButton* ok = nullptr;

private:
    explicit frmInfo(QWidget* parent);
    void Form_Load();
    void Sprache();
    void OK_Click();
};
