// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Doubles.h"

#include <QTest>
#include <QtEndian>

Answer ScriptedDialogs::message(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    shown.push_back({false, text, title, icon, buttons, false});
    if (whileShown)
        whileShown();
    if (!answers.isEmpty())
        return answers.dequeue();
    switch (buttons) {
    case Buttons::OK:
        return Answer::OK;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    default:
        return Answer::Cancel;
    }
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, bool password)
{
    return ask(prompt, title, password).value_or(QString());
}

std::optional<QString> ScriptedDialogs::ask(const QString& prompt, const QString& title, bool password)
{
    shown.push_back({true, prompt, title, Icon::None, Buttons::OKCancel, password});
    if (inputs.isEmpty())
        return std::nullopt;
    QString typed = inputs.dequeue();
    if (typed == CancelInput)
        return std::nullopt;
    return typed;
}

QString ScriptedDialogs::openFile(const QString& title, const QString& filter)
{
    shown.push_back({true, filter, title, Icon::None, Buttons::OKCancel, false});
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& filter, const QString& suggested)
{
    shown.push_back({true, suggested, title, Icon::None, Buttons::OKCancel, false});
    return files.isEmpty() ? QString() : files.dequeue();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList all;
    for (const auto& s : shown)
        all.push_back(s.text);
    return all;
}

int effectOfWave(const QByteArray& wave)
{
    static const struct {
        int id;
        quint32 rate;
        quint32 bytes;
    } effects[] = {{100, 22050, 12626}, {101, 11025, 418},  {102, 11025, 20366}, {103, 7500, 1341},
                   {104, 22050, 4442},  {105, 11025, 19848}, {107, 22050, 4624},  {108, 22050, 4477},
                   {109, 22050, 7372},  {110, 22050, 13296}, {111, 22050, 10258}, {112, 22050, 6390},
                   {113, 22050, 5340}};
    if (wave.size() < 44 || !wave.startsWith("RIFF"))
        return 0;
    const quint32 rate = qFromLittleEndian<quint32>(wave.constData() + 24);
    const quint32 bytes = qFromLittleEndian<quint32>(wave.constData() + 40);
    for (const auto& e : effects)
        if (e.rate == rate && e.bytes == bytes)
            return e.id;
    return 0;
}

void RecordingSound::playWav(int id, const QByteArray& wave)
{
    played.push_back(id);
    waves.push_back(wave);
    const int heard = effectOfWave(wave);
    const bool right = heard == id || (id == 106 && heard == 101);
    QTest::qVerify(right, "effectOfWave(wave) == id", qPrintable(QStringLiteral("effect %1 played the wave of %2").arg(id).arg(heard)),
                   __FILE__, __LINE__);
    if (whilePlayed)
        whilePlayed(id);
}
