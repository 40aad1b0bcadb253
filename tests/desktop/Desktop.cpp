#include "Desktop.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace desktop {

bool run(const QString& program, const QStringList& arguments, QString* output)
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

namespace {
QString id(const QWidget* window) { return QString::number(window->winId()); }

QString property(const QWidget* window, const char* name)
{
    return tool(QStringLiteral("xprop"), {QStringLiteral("-id"), id(window), QString::fromLatin1(name)});
}

int number(const QString& text, const char* label)
{
    const QRegularExpression re(QStringLiteral("%1:\\s*(-?\\d+)").arg(QRegularExpression::escape(QLatin1String(label))));
    const auto match = re.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

quint64 windowNumber(const QString& text)
{
    const auto match = QRegularExpression(QStringLiteral("# (0x[0-9a-f]+)")).match(text);
    return match.hasMatch() ? match.captured(1).toULongLong(nullptr, 16) : 0;
}
} // namespace

QRect outerOnScreen(const QWidget* window)
{
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const QString extents = property(window, "_NET_FRAME_EXTENTS");
    const auto match = QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    if (!match.hasMatch())
        return {};
    const int left = match.captured(1).toInt(), right = match.captured(2).toInt();
    const int top = match.captured(3).toInt(), bottom = match.captured(4).toInt();
    const QString info = tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id(window)});
    if (!info.contains(QStringLiteral("IsViewable")))
        return {};
    const int x = number(info, "Absolute upper-left X"), y = number(info, "Absolute upper-left Y");
    const int width = number(info, "Width"), height = number(info, "Height");
    return {x - left, y - top, width + left + right, height + top + bottom};
}

QStringList allowedActions(const QWidget* window)
{
    QStringList actions;
    const QString text = property(window, "_NET_WM_ALLOWED_ACTIONS");
    for (const auto& m : QRegularExpression(QStringLiteral("_NET_WM_ACTION_([A-Z_]+)")).globalMatch(text))
        actions << m.captured(1);
    return actions;
}

QList<quint32> motifHints(const QWidget* window)
{
    QList<quint32> values;
    const QString text = property(window, "_MOTIF_WM_HINTS");
    const qsizetype start = text.indexOf(QLatin1Char('='));
    if (start < 0)
        return values;
    for (const QString& part : text.mid(start + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        values << part.trimmed().toUInt(nullptr, 0);
    return values;
}

QString shownTitle(const QWidget* window)
{
    const QString text = property(window, "_NET_WM_NAME");
    const qsizetype start = text.indexOf(QLatin1Char('"'));
    return start < 0 ? QString() : text.mid(start + 1, text.lastIndexOf(QLatin1Char('"')) - start - 1);
}

quint64 activeWindow()
{
    return windowNumber(tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")}));
}

quint64 transientFor(const QWidget* window) { return windowNumber(property(window, "WM_TRANSIENT_FOR")); }

bool waitFramed(const QWidget* window, int milliseconds)
{
    auto framed = [&] {
        return window->isVisible() && outerOnScreen(window).isValid();
    };
    return framed() || QTest::qWaitFor(framed, milliseconds);
}

bool typeKeys(const QStringList& keys)
{
    return run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
}

bool typeText(const QString& text)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

QList<quint64> stacking()
{
    QList<quint64> windows;
    const QString text = tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    for (const auto& m : QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(text))
        windows << m.captured(0).toULongLong(nullptr, 16);
    return windows;
}

bool waitActive(const QWidget* window, int milliseconds)
{
    return QTest::qWaitFor([&] { return activeWindow() == window->winId() && window->isActiveWindow(); }, milliseconds);
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
    tool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QDir(folder).filePath(name + QStringLiteral(".png"))});
}

} // namespace desktop
