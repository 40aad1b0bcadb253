// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Desktop.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace desktop {

namespace {
// Runs an X tool; true when it succeeded. Its standard output goes to `output` when given.
bool run(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    // The tools answer at once; the event loop keeps running meanwhile so the window manager's
    // messages to our windows are served.
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString tool(const QString& program, const QStringList& arguments)
{
    QString output;
    return run(program, arguments, &output) ? output : QString();
}

// The property as xprop prints it, of the window or, without one, of the root window.
QString property(const QWidget* window, const char* name)
{
    QStringList which = window ? QStringList{QStringLiteral("-id"), QString::number(window->winId())} : QStringList{QStringLiteral("-root")};
    return tool(QStringLiteral("xprop"), which << QString::fromLatin1(name));
}

// The values xprop prints after "=" (numbers) or "#" (window ids); none when the property is not set.
QList<quint64> values(const QString& printed)
{
    QList<quint64> found;
    const qsizetype start = printed.indexOf(QRegularExpression(QStringLiteral("[=#]")));
    if (start < 0)
        return found;
    for (const auto& m : QRegularExpression(QStringLiteral("0x[0-9a-f]+|\\d+")).globalMatch(printed.mid(start)))
        found << m.captured(0).toULongLong(nullptr, 0);
    return found;
}

int number(const QString& text, const char* label)
{
    const QRegularExpression re(QStringLiteral("%1:\\s*(-?\\d+)").arg(QRegularExpression::escape(QLatin1String(label))));
    const auto match = re.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}
} // namespace

bool windowCommand(const QString& command, const QWidget* window, const QStringList& arguments)
{
    return run(QStringLiteral("xdotool"), QStringList{command, QString::number(window->winId())} + arguments);
}

QRect outerOnScreen(const QWidget* window)
{
    const QList<quint64> frame = values(property(window, "_NET_FRAME_EXTENTS")); // left, right, top, bottom
    const QString info = tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window->winId())});
    if (frame.size() != 4 || !info.contains(QStringLiteral("IsViewable")))
        return {};
    const int x = number(info, "Absolute upper-left X"), y = number(info, "Absolute upper-left Y");
    const int width = number(info, "Width"), height = number(info, "Height");
    return {x - int(frame[0]), y - int(frame[2]), width + int(frame[0] + frame[1]), height + int(frame[2] + frame[3])};
}

QStringList allowedActions(const QWidget* window)
{
    QStringList actions;
    const QString text = property(window, "_NET_WM_ALLOWED_ACTIONS");
    for (const auto& m : QRegularExpression(QStringLiteral("_NET_WM_ACTION_([A-Z_]+)")).globalMatch(text))
        actions << m.captured(1);
    return actions;
}

QList<quint64> motifHints(const QWidget* window) { return values(property(window, "_MOTIF_WM_HINTS")); }

QString shownTitle(const QWidget* window)
{
    const QString text = property(window, "_NET_WM_NAME");
    const qsizetype start = text.indexOf(QLatin1Char('"'));
    return start < 0 ? QString() : text.mid(start + 1, text.lastIndexOf(QLatin1Char('"')) - start - 1);
}

quint64 activeWindow() { return values(property(nullptr, "_NET_ACTIVE_WINDOW")).value(0); }

quint64 transientFor(const QWidget* window) { return values(property(window, "WM_TRANSIENT_FOR")).value(0); }

QList<quint64> stacking() { return values(property(nullptr, "_NET_CLIENT_LIST_STACKING")); }

bool iconified(const QWidget* window)
{
    return property(window, "WM_STATE").contains(QStringLiteral("Iconic")) &&
           property(window, "_NET_WM_STATE").contains(QStringLiteral("_NET_WM_STATE_HIDDEN"));
}

bool waitFramed(const QWidget* window, int milliseconds)
{
    auto framed = [&] { return window->isVisible() && outerOnScreen(window).isValid(); };
    return framed() || QTest::qWaitFor(framed, milliseconds);
}

bool waitActive(const QWidget* window, int milliseconds)
{
    return QTest::qWaitFor([&] { return activeWindow() == window->winId() && window->isActiveWindow(); }, milliseconds);
}

bool typeKeys(const QStringList& keys)
{
    return run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
}

bool typeText(const QString& text)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

void whenModal(const char* className, const std::function<void(QWidget*)>& act)
{
    // A repeating check, so that it also runs inside the event loop of a box opened later;
    // looking at the window runs X tools, during which the check must not run again.
    auto* timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(20000);
    auto checking = std::make_shared<bool>(false);
    const QByteArray name(className);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (*checking)
            return;
        *checking = true;
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* found = modal && modal->inherits(name.constData()) ? modal : nullptr;
        const bool ready = found && waitFramed(found, 0) && activeWindow() == found->winId();
        *checking = false;
        if (!ready && !deadline->hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        act(ready ? found : nullptr);
    });
    timer->start(20);
}

void screenshot(const QString& name)
{
    const QString folder = qEnvironmentVariable("WUPPLE_SHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(300); // let the last repaint reach the screen
    QDir().mkpath(folder);
    // The whole screen as the X server has it, frames and boxes included.
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace desktop
