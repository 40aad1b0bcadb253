// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code page of the settings file and the word lists.
#include <QByteArray>
#include <QString>

QString fromWindows1252(const QByteArray& bytes);
// A character the code page lacks becomes a question mark.
QByteArray toWindows1252(const QString& text);
