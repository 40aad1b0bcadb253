// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two commands of the settings dialog that the password guards: the vocabulary editor and
// the password change.
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "settings/Einst.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "settings/SettingKeys.h"

#include <QCoro/QCoroSignal>
#include <QPushButton>

namespace {
QString askPassword(int promptId) { return platform().dialogs->input(LoadText(promptId), LoadText(163), true); }
std::optional<QString> askPasswordOrCancel(int promptId)
{
    return platform().dialogs->ask(LoadText(promptId), LoadText(163), true);
}

void tellWrongPassword()
{
    platform().dialogs->message(LoadText(162), ApplicationTitle, Icon::None, Buttons::OK);
}

// Fires once, when the dialog has finished or has gone, whichever comes first. It lives in the
// waiting coroutine's frame, so the signal awaited cannot vanish while it is awaited.
class DialogEnd : public QObject {
    Q_OBJECT
public:
    explicit DialogEnd(QDialog* dialog)
    {
        connect(dialog, &QDialog::finished, this, &DialogEnd::fire);
        connect(dialog, &QObject::destroyed, this, &DialogEnd::fire);
    }
signals:
    void ended();

private:
    void fire()
    {
        if (!m_fired) {
            m_fired = true;
            emit ended();
        }
    }
    bool m_fired = false;
};
} // namespace

namespace {
std::function<QDialog*(QWidget*)>& editorFactory()
{
    static std::function<QDialog*(QWidget*)> make;
    return make;
}
} // namespace

QDialog* Einst::openEditor() const { return m_editor; }

void Einst::setEditorFactory(std::function<QDialog*(QWidget* parent)> make) { editorFactory() = std::move(make); }

QCoro::Task<> Einst::EditButt_Click()
{
    const QString tag = QStringLiteral("EditButt_Click");
    const QPointer<Einst> self(this);
    try {
        // The stored password is read at every click, so the check always uses the one in force.
        if (!step(tag, [&] {
                Passwort = GetIniString(keys::Einstellungen, keys::Passw, QString());
                if (!Passwort.isEmpty())
                    Encrypt(Passwort, PasswordKey);
            }))
            co_return;
        if (!Passwort.isEmpty()) {
            const QString expected = Passwort.trimmed();
            const QString answer = askPassword(161);
            // The program may have ended while the box was open.
            if (!self)
                co_return;
            if (answer != expected) {
                tellWrongPassword();
                co_return;
            }
        }
        if (m_editor || !editorFactory())
            co_return;
        QDialog* editor = editorFactory()(this);
        m_editor = editor;
        DialogEnd end(editor);
        auto closed = qCoro(&end, &DialogEnd::ended);
        // Modal without an event loop of our own: the game's flows keep their pace meanwhile.
        editor->open();
        co_await closed;
        // A dialog that went meanwhile took its editor with it.
        if (!self)
            co_return;
        // The editor is made anew for each opening.
        if (m_editor)
            m_editor->deleteLater();
        m_editor = nullptr;
        // A list the editor saved and put into play stays in play however this dialog ends: the
        // game already holds its words, so Wupple.ini names it for the next start as well.
        if (g().WortDatei != m_live.wordFile) {
            m_live.wordFile = g().WortDatei;
            step(tag, [&] { saveIniEntries(keys::Einstellungen, {{keys::dateiKey(g().SprachOffset), g().WortDatei}}); });
        }
        // The dialog is active again: its captions and lists are renewed as at every activation.
        Form_Activate();
        OK->setFocus();
    } catch (const RuntimeError& error) {
        reportError(tag, error);
    } catch (const std::exception& error) {
        qWarning("Wupple: %s: %s", qPrintable(tag), error.what());
    }
}

void Einst::Password_Click()
{
    const QString tag = QStringLiteral("Password_Click");
    const QPointer<Einst> self(this);
    // Cancel at any question leaves the command and keeps the password in force.
    step(tag, [&] {
        if (!Passwort.isEmpty()) {
            const QString expected = Passwort.trimmed();
            for (;;) {
                const std::optional<QString> answer = askPasswordOrCancel(158);
                // The program may have ended while the box was open.
                if (!self || !answer)
                    return;
                if (*answer == expected)
                    break;
                tellWrongPassword();
            }
        }
        for (;;) {
            const std::optional<QString> fresh = askPasswordOrCancel(159);
            if (!self || !fresh)
                return;
            if (fresh->isEmpty()) {
                // An empty new password removes the protection, but only when asked for plainly.
                if (Passwort.isEmpty())
                    return;
                if (platform().dialogs->message(extraText(Extra::RemovePassword), LoadText(163), Icon::Question,
                                                Buttons::YesNo) != Answer::Yes)
                    return;
                storePassword(QString());
                return;
            }
            const std::optional<QString> again = askPasswordOrCancel(160);
            if (!self || !again)
                return;
            if (*fresh != *again) {
                platform().dialogs->message(extraText(Extra::PasswordsDiffer), ApplicationTitle, Icon::None, Buttons::OK);
                continue;
            }
            // The settings file could not give it back whole; it would lock the editor for good.
            if (!passwordIsStorable(*fresh)) {
                platform().dialogs->message(extraText(Extra::PasswordNotStorable), LoadText(163), Icon::Exclamation,
                                            Buttons::OK);
                continue;
            }
            storePassword(*fresh);
            return;
        }
    });
}

void Einst::storePassword(const QString& password)
{
    Passwort = password;
    QString stored = password;
    if (!stored.isEmpty())
        Encrypt(stored, PasswordKey);
    SaveIni(keys::Einstellungen, keys::Passw, stored);
}

#include "PasswordCommands.moc"
