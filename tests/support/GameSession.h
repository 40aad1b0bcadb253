// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program for a test: its own folder with the given words and settings, the main window
// started, and the ways a child or a parent plays it: letters and keys, the settings dialog with
// its spinners and lists, the vocabulary editor typed into key by key.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "game/Rules.h"
#include "game/wupp.h"
#include "settings/Einst.h"
#include "settings/Spinner.h"
#include "vocabulary/WEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <memory>
#include <utility>
#include <sys/resource.h>
#include <vector>

struct GameSession {
    enum class Window { Started, None };
    TestEnvironment env;
    std::unique_ptr<wupp> window;
    QStringList pool; // what the editors handed over
    std::vector<std::unique_ptr<WEdit>> editors;

    // Words for the German list (default file) and settings, then the program started.
    explicit GameSession(const QStringList& words = {}, const QString& ini = {}, Window started = Window::Started,
                         TestEnvironment::Words shipped = TestEnvironment::Words::Shipped)
        : env(shipped)
    {
        if (!words.isEmpty())
            writeWords(QStringLiteral("wupp.dat"), words);
        if (!ini.isEmpty())
            env.writeIni(ini);
        if (started == Window::Started)
            window = env.start();
    }
    ~GameSession()
    {
        // A dialog still open is answered first, so the settings command finishes.
        if (Einst::exists() && Einst::instance().isVisible())
            Einst::instance().close();
        QCoreApplication::processEvents();
        if (window && window->isVisible())
            window->close();
        editors.clear();
        QCoreApplication::processEvents();
    }

    // The words in Windows-1252, one to a line.
    void writeWords(const QString& file, const QStringList& words, const QString& folder = QStringLiteral("deutsch"))
    {
        env.writeWords(folder, file, words);
    }

    // Starts the program once the test has written what a session started at once cannot.
    void start() { window = env.start(); }

    // The main window played as a child would: letters clicked or typed, the game's commands.
    void click(QChar letter)
    {
        QTest::mouseClick(window->board().card(rules::indexOf(letter)), Qt::LeftButton);
        settle(*window);
    }
    void typeText(const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(window.get(), &press);
            settle(*window);
        }
    }
    void startGame()
    {
        window->menu().mnuStart->trigger();
        settle(*window);
    }
    void next()
    {
        window->menu().mnuWeiter->trigger();
        settle(*window);
    }
    // What the tiles show: the letter, or '_' for an empty tile.
    QString board() const
    {
        QString shown;
        for (int i = 1; i <= window->board().fieldCount(); ++i) {
            QChar c = u'_';
            for (int j = 0; j < rules::LetterCount; ++j)
                if (window->board().tile(i)->picture() == window->board().card(j)->picture())
                    c = rules::letterOf(j);
            shown += c;
        }
        return shown;
    }
    // The one stage picture shown (99 for more than one).
    int visibleStage() const
    {
        int stage = -1;
        for (int i = 0; i < 10; ++i)
            if (!window->board().stage(i)->isHidden())
                stage = stage == -1 ? i : 99;
        return stage;
    }
    int activePlayer() const { return window->round().player(); }
    QList<int> takeSounds() { return std::exchange(env.sound.played, {}); }

    // The settings command, up to the point where the dialog waits for the user.
    Einst& open()
    {
        window->menu().mnuOpt->trigger();
        QCoreApplication::processEvents();
        return Einst::instance();
    }

    // Lets the settings command finish after the dialog was dismissed, and whatever flow it
    // set going (a waiting word goes on to the next one after its own short pause).
    void finish()
    {
        for (int round = 0; round < 10 && !(settle(*window) && settle(*window)); ++round) {
        }
    }

    // A new editor for each opening, as the settings dialog makes one.
    WEdit* openEditor()
    {
        auto editor = std::make_unique<WEdit>();
        QObject::connect(editor.get(), &WEdit::listHandedOver, [this](const QStringList& words) { pool = words; });
        editor->show();
        QCoreApplication::processEvents();
        editors.push_back(std::move(editor));
        return editors.back().get();
    }
};

// The editor on a folder without shipped lists and without the main window.
struct EditorSession : GameSession {
    explicit EditorSession(const QStringList& words = {})
        : GameSession(words, {}, Window::None, TestEnvironment::Words::None)
    {
    }
    WEdit* open() { return openEditor(); }
};

// A press on the spinner at a pixel of its 20 x 20 picture (15 twips to the pixel).
inline void pressSpinner(Einst& dialog, int index, QPoint pixel)
{
    QTest::mousePress(dialog.plumin[index], Qt::LeftButton, Qt::NoModifier, pixel);
}
inline void releaseSpinner(Einst& dialog, int index, QPoint pixel)
{
    QTest::mouseRelease(dialog.plumin[index], Qt::LeftButton, Qt::NoModifier, pixel);
}
inline void clickSpinner(Einst& dialog, int index, QPoint pixel)
{
    pressSpinner(dialog, index, pixel);
    releaseSpinner(dialog, index, pixel);
}
constexpr QPoint upperLeft(5, 5);
constexpr QPoint lowerRight(15, 15);

inline QPoint rowCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }

inline void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rowCentre(list, row));
}

inline void doubleClickRow(QListWidget* list, int row)
{
    clickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(list, row));
}

// The row showing `text`, or holding it as its data (the file name behind a word list's title).
inline int rowOf(QListWidget* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == text || list->item(i)->data(Qt::UserRole).toString() == text)
            return i;
    return -1;
}

inline QStringList rows(QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all.push_back(list->item(i)->text());
    return all;
}

// The file names behind the rows of the word-list box.
inline QStringList files(QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all.push_back(list->item(i)->data(Qt::UserRole).toString());
    return all;
}

// Each character as one key press carrying that text, as a keyboard layout would send it.
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Makes writing the vocabulary file fail while it exists. Tests run as root, where file modes
// stop nothing, so the obstacles are ones that hold for root as well.
class Obstacle {
public:
    enum Kind {
        FolderIsAFile, // the language folder is replaced by a plain file
        SizeLimit,     // the process may not write files beyond a few bytes
    };
    Obstacle(const TestEnvironment& env, Kind kind) : m_env(env), m_kind(kind)
    {
        if (kind == FolderIsAFile) {
            QDir().rename(folder(), folder() + QStringLiteral(".moved"));
            env.writeFile(QStringLiteral("deutsch"), "not a folder");
        } else {
            std::signal(SIGXFSZ, SIG_IGN); // a refused write then fails with EFBIG instead
            getrlimit(RLIMIT_FSIZE, &m_saved);
            rlimit tight = m_saved;
            tight.rlim_cur = 16;
            setrlimit(RLIMIT_FSIZE, &tight);
        }
    }
    ~Obstacle()
    {
        if (m_kind == FolderIsAFile) {
            QFile::remove(folder());
            QDir().rename(folder() + QStringLiteral(".moved"), folder());
        } else {
            setrlimit(RLIMIT_FSIZE, &m_saved);
        }
    }
    Obstacle(const Obstacle&) = delete;
    Obstacle& operator=(const Obstacle&) = delete;

private:
    QString folder() const { return m_env.path(QStringLiteral("deutsch")); }
    const TestEnvironment& m_env;
    Kind m_kind;
    rlimit m_saved{};
};
