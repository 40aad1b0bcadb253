#include "Doubles.h"

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
    shown.push_back({true, prompt, title, Icon::None, Buttons::OKCancel, password});
    return inputs.isEmpty() ? QString() : inputs.dequeue();
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
