#pragma once
// Plays the settings dialog as a parent would: opens it from the main window's menu, presses
// the spinners, clicks list entries and buttons.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "game/wupp.h"
#include "settings/Einst.h"
#include "settings/Spinner.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

struct SettingsSession {
    TestEnvironment env;
    std::unique_ptr<wupp> window;

    // Words for the German list (default file), then the program started.
    explicit SettingsSession(const QStringList& words = {}, const QString& ini = {})
    {
        if (!words.isEmpty())
            writeWords(QStringLiteral("wupp.dat"), words);
        if (!ini.isEmpty())
            env.writeIni(ini);
        window = env.start();
    }
    ~SettingsSession()
    {
        // A dialog still open is answered first, so the settings command finishes.
        if (Einst::exists() && Einst::instance().isVisible())
            Einst::instance().close();
        QCoreApplication::processEvents();
        if (window && window->isVisible())
            window->close();
        QCoreApplication::processEvents();
    }

    void writeWords(const QString& file, const QStringList& words, const QString& folder = QStringLiteral("deutsch"))
    {
        env.writeWords(folder, file, words);
    }

    // The settings command, up to the point where the dialog waits for the user.
    Einst& open()
    {
        window->mnuOpt->trigger();
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

    void startGame()
    {
        window->mnuStart->trigger();
        settle(*window);
    }
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

inline int rowOf(QListWidget* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == text)
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
