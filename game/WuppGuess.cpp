// Judging a guessed letter, hints, the solution of a lost word and the wait for the next word.
#include "common/Allgemein.h"
#include "common/Await.h"
#include "common/Dialogs.h"
#include "common/Pacing.h"
#include "common/Platform.h"
#include "game/Flow.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "settings/Einst.h"
#include "sound/Playback.h"

#include <QAbstractButton>
#include <QAction>

namespace {
bool sameLetter(QChar a, QChar b) { return QString(a).compare(QString(b), Qt::CaseInsensitive) == 0; }
} // namespace

void wupp::uncover(int field, int letterIndex)
{
    if (field > 0 && field < int(Feld.size()))
        Feld[field]->setPicture(alpha[letterIndex]->picture());
}

void wupp::showStage(int stage)
{
    B_Folge[stage]->show();
    B_Folge[stage - 1]->hide();
}

QCoro::Task<> wupp::alpha_Click(int index)
{
    // Only a word that stands on the board and is not yet over can be guessed.
    if (index < 0 || index >= rules::LetterCount || !m_guessing || m_wordOver)
        co_return;
    BusyScope busy(this);
    const FlowGuard guard(this);

    alpha[index]->hide();
    co_await Pacing::yield();
    if (!guard.sameWord())
        co_return;

    bool occurs = false;
    const QChar letter = alpha[index]->tag;
    for (int i = 1; i <= g().Ratewort.size(); ++i) {
        if (!sameLetter(g().Ratewort[i - 1].toUpper(), letter))
            continue;
        uncover(i, index);
        co_await Pacing::yield();
        if (!guard.sameWord())
            co_return;
        ++g().Treffer;
        occurs = true;
        if (g().SoundAn)
            PlayWAV(104);
    }
    // A quicker guess may have ended the word while this one was uncovering.
    if (m_wordOver)
        co_return;

    if (g().Treffer != g().Ratewort.size()) {
        if (!occurs) {
            ++g().BildStufe;
            showStage(g().BildStufe);
            if (g().BildStufe == rules::LosingStage)
                m_wordOver = true;
            co_await Pacing::yield();
            if (!guard.sameWord())
                co_return;
            if (g().SoundAn) {
                if (g().BildStufe == rules::LosingStage) {
                    setLettersEnabled(false);
                    PlayWAV(102);
                    co_await Pacing::Verzoegerung(1.5);
                } else {
                    PlayWAV(103);
                    co_await Pacing::Verzoegerung(0.1);
                }
                if (!guard.sameWord())
                    co_return;
            }
            co_await aktiv();
            if (!guard.sameWord())
                co_return;
        }
        if (g().BildStufe == rules::LosingStage) {
            m_guessing = false;
            if (Einst::instance().showSolution()) {
                co_await anzeigen();
                if (!guard.sameWord())
                    co_return;
            }
            List1.append(g().Ratewort);
            co_await Pause();
            if (!guard.sameWord())
                co_return;
            co_await Such_Wort();
        }
        co_return;
    }

    // The word is solved: the player whose turn it is scores.
    m_wordOver = true;
    m_guessing = false;
    const int p = g().AktSpieler;
    ++g().Punkte[p];
    Punkt[p * 8 + g().Punkte[p] - 1]->show();
    co_await Pacing::yield();
    if (!guard.sameWord())
        co_return;
    if (g().SoundAn) {
        co_await Pacing::yield();
        if (!guard.sameWord())
            co_return;
        platform().random->randomize(platform().clock->secondsSinceMidnight());
        PlayWAV(rules::cheerSound(platform().random->next()));
        co_await Pacing::Verzoegerung(0.1);
        if (!guard.sameWord())
            co_return;
    }
    bool newGame = false;
    if (g().Punkte[p] == rules::WinningScore) {
        if (g().SoundAn) {
            PlayWAV(105);
            co_await Pacing::Verzoegerung(0.1);
            if (!guard.sameWord())
                co_return;
        }
        platform().dialogs->message(Spieler[p]->text() + QLatin1Char('\r') + LoadText(140), LoadText(141),
                                    Icon::Information, Buttons::OK);
        if (!guard.sameWord())
            co_return;
        const Answer again = platform().dialogs->message(LoadText(142), QString(), Icon::Question, Buttons::YesNo);
        if (!guard.sameWord())
            co_return;
        if (again != Answer::Yes) {
            close();
            co_return;
        }
        zurueck();
        if (g().MusikAn) {
            CloseMusic();
            MakeMusic();
        }
        newGame = true;
    }
    if (!newGame) {
        co_await Pause();
        if (!guard.sameWord())
            co_return;
    }
    co_await Pacing::Verzoegerung(0.5);
    if (!guard.sameWord())
        co_return;
    co_await Such_Wort();
}

QCoro::Task<> wupp::Form_KeyPress(QChar key)
{
    for (int i = 0; i <= g().LetzterBuchstabe && i < rules::LetterCount; ++i) {
        if (sameLetter(key.toUpper(), alpha[i]->tag) && !alpha[i]->isHidden() && alpha[i]->isEnabled()) {
            co_await alpha_Click(i);
            co_return;
        }
    }
    if (key == QChar(13))
        co_await mnuWeiter_Click();
}

QCoro::Task<> wupp::mnuTipp_Click()
{
    // A hint guesses for the player whose turn it is, so it needs a word in play.
    if (!m_guessing || m_wordOver)
        co_return;
    ++g().TippsBenutzt;
    if (g().TippsBenutzt == g().AnzahlTipps) {
        setHintCommand(false);
        g().TippsBenutzt = 0;
    }
    for (int i = 0; i <= g().LetzterBuchstabe && i < rules::LetterCount; ++i) {
        if (g().Ratewort.contains(alpha[i]->tag, Qt::CaseInsensitive) && !alpha[i]->isHidden()) {
            co_await alpha_Click(i);
            co_return;
        }
    }
}

QCoro::Task<> wupp::anzeigen()
{
    const FlowGuard guard(this);
    for (int j = 0; j <= g().LetzterBuchstabe && j < rules::LetterCount; ++j) {
        for (int i = 1; i <= g().Ratewort.size(); ++i) {
            if (!sameLetter(g().Ratewort[i - 1].toUpper(), alpha[j]->tag))
                continue;
            uncover(i, j);
            co_await Pacing::Verzoegerung(0.1);
            if (!guard.sameWord())
                co_return;
            if (g().SoundAn)
                PlayWAV(101);
            co_await Pacing::yield();
            if (!guard.sameWord())
                co_return;
        }
    }
}

QCoro::Task<> wupp::Pause()
{
    PicBut[3]->show();
    mnuWeiter->setEnabled(true);
    setLettersEnabled(false);
    // No hints between words: a hint now would guess in a word that is already over.
    setHintCommand(false);
    const FlowGuard guard(this);
    while (guard.windowAlive() && mnuWeiter->isEnabled()) {
        --m_busy;
        co_await signalOrEnd(this, &wupp::nextWordGiven);
        if (guard.window)
            ++guard.window->m_busy;
    }
}
