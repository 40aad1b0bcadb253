// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message and input boxes as the game uses them. The real boxes live in the window library; tests
// put in a double that plays back scripted answers and records what was asked.
#include <QString>
#include <optional>

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class Answer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Blocks until answered; the answer of a box closed by its close button is Cancel (or No,
    // or Abort, whichever of them the box offers).
    virtual Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) = 0;
    // Empty when cancelled. A password box hides what is typed.
    virtual QString input(const QString& prompt, const QString& title, bool password = false) = 0;
    // The same box, telling Cancel apart from an empty answer: nothing when cancelled. Boxes that
    // cannot tell the two apart take an empty answer as Cancel.
    virtual std::optional<QString> ask(const QString& prompt, const QString& title, bool password = false)
    {
        QString text = input(prompt, title, password);
        if (text.isEmpty())
            return std::nullopt;
        return text;
    }
    // A file to read, chosen by the user; empty when cancelled. `filter` as in "Texts (*.txt);;All (*)".
    // Boxes that cannot show files choose none.
    virtual QString openFile(const QString& title, const QString& filter)
    {
        Q_UNUSED(title);
        Q_UNUSED(filter);
        return {};
    }
    // A file to write, chosen by the user and proposed as `suggested`; empty when cancelled.
    virtual QString saveFile(const QString& title, const QString& filter, const QString& suggested)
    {
        Q_UNUSED(title);
        Q_UNUSED(filter);
        Q_UNUSED(suggested);
        return {};
    }
};
