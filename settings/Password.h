// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The fixed key that scrambles the settings password in Wupple.ini.
inline const QString PasswordKey = QStringLiteral("7.06");

// XOR scrambling with the key cycled over the text, in place, on the 8-bit Windows-1252 codes;
// applying it twice with the same key gives the text back.
void Encrypt(QString& text, const QString& key);

// Whether the scrambled form of `password` survives being written to and read back from the
// settings file unchanged: no code 0, 10 or 13, no blank at either end, no enclosing quotes,
// only characters Windows-1252 can hold.
bool passwordIsStorable(const QString& password);
