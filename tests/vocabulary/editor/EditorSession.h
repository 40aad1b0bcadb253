#pragma once
// Opens the vocabulary editor on a program folder of the test's own, with a word pool the test
// can look at, and types into it key by key.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "game/wupp.h"
#include "vocabulary/WEdit.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <vector>

struct EditorSession {
    TestEnvironment env{TestEnvironment::Words::None};
    QStringList pool;
    std::vector<std::unique_ptr<WEdit>> editors;

    explicit EditorSession(const QStringList& words = {})
    {
        if (!words.isEmpty())
            writeWords(QStringLiteral("wupp.dat"), words);
    }
    ~EditorSession()
    {
        editors.clear();
        QCoreApplication::processEvents();
    }

    // The words in Windows-1252, one to a line.
    void writeWords(const QString& file, const QStringList& words)
    {
        env.writeWords(QStringLiteral("deutsch"), file, words);
    }

    // A new editor for each opening, as the settings dialog makes one.
    WEdit* open()
    {
        auto editor = std::make_unique<WEdit>();
        QObject::connect(editor.get(), &WEdit::listHandedOver, [this](const QStringList& words) { pool = words; });
        editor->show();
        QCoreApplication::processEvents();
        editors.push_back(std::move(editor));
        return editors.back().get();
    }
};

// Each character as one key press carrying that text, as a keyboard layout would send it.
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
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
