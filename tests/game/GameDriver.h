#pragma once
// Plays the main window as a child would: clicks letters, types keys, reads the board.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "game/Rules.h"
#include "game/wupp.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

struct GameDriver {
    TestEnvironment& env;
    wupp& w;

    // Puts exactly these words into the word list of the current language.
    static void writeWords(TestEnvironment& env, const QString& language, const QString& file, const QStringList& words)
    {
        env.writeWords(language, file, words);
    }

    void click(QChar letter)
    {
        const int i = index(letter);
        QTest::mouseClick(w.alpha[i], Qt::LeftButton);
        settle(w);
    }
    void type(const QString& keys)
    {
        for (QChar c : keys) {
            QTest::keyClick(&w, c.toLatin1() ? c.toLatin1() : 'x', Qt::NoModifier);
            settle(w);
        }
    }
    void typeText(const QString& text)
    {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&w, &press);
            settle(w);
        }
    }
    void start()
    {
        w.mnuStart->trigger();
        settle(w);
    }
    void next()
    {
        w.mnuWeiter->trigger();
        settle(w);
    }
    static int index(QChar letter)
    {
        for (int i = 0; i < rules::LetterCount; ++i)
            if (rules::letterOf(i) == letter.toUpper())
                return i;
        return -1;
    }
    // What the tiles show: the letter, or '_' for an empty tile.
    QString board() const
    {
        QString shown;
        for (int i = 1; i < int(w.Feld.size()); ++i) {
            QChar c = u'_';
            for (int j = 0; j < rules::LetterCount; ++j)
                if (w.Feld[i]->picture() == w.alpha[j]->picture())
                    c = rules::letterOf(j);
            shown += c;
        }
        return shown;
    }
    int visibleStage() const
    {
        int stage = -1;
        for (int i = 0; i < 10; ++i)
            if (!w.B_Folge[i]->isHidden())
                stage = stage == -1 ? i : 99;
        return stage;
    }
    int activePlayer() const { return g().AktSpieler; }
    QList<int> takeSounds()
    {
        QList<int> s = env.sound.played;
        env.sound.played.clear();
        return s;
    }
};
