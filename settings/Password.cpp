// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Password.h"
#include "settings/IniFile.h"

void Encrypt(QString& text, const QString& key)
{
    const QByteArray k = ini::encode(key);
    if (k.isEmpty())
        return;
    QByteArray bytes = ini::encode(text);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ k[i % k.size()]);
    text = ini::decode(bytes);
}

bool passwordIsStorable(const QString& password)
{
    if (password.isEmpty())
        return true;
    if (ini::decode(ini::encode(password)) != password)
        return false;
    QString scrambled = password;
    Encrypt(scrambled, PasswordKey);
    // The stored text must read back as it was written.
    const QByteArray file = ini::writeValue({}, QStringLiteral("S"), QStringLiteral("k"), scrambled);
    return ini::readValue(file, QStringLiteral("S"), QStringLiteral("k")) == scrambled;
}
