// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Playback.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "sound/Sound.h"

#include <QDir>
#include <QFile>

void PlayWAV(int id)
{
    step(QStringLiteral("PlayWAV"), [&] {
        QFile resource(QStringLiteral(":/sounds/%1.wav").arg(id));
        if (!resource.open(QIODevice::ReadOnly))
            throw RuntimeError(Err::ResourceNotFound, QString::number(id));
        // The player shares the bytes for as long as it plays them.
        if (platform().sound)
            platform().sound->playWav(id, resource.readAll());
    });
}

namespace {
constexpr qint64 MaxMusicBytes = 8 * 1024 * 1024;
}

QString musicPath() { return QDir(programFolder()).filePath(QStringLiteral("wupple.mid")); }

void MakeMusic()
{
    // Only a regular file of sane size reaches the player: a folder crashed the MIDI loader, and
    // a FIFO would keep the sound worker in open() for ever, so the program could never end.
    // A missing file is the player's to meet: it stays silent, as it does for a broken one.
    const FileCheck check = checkRegularFile(musicPath(), MaxMusicBytes);
    if (platform().sound && (check == FileCheck::Ok || check == FileCheck::Missing))
        platform().sound->openAndPlayMusic(musicPath());
}

void CloseMusic()
{
    if (platform().sound)
        platform().sound->closeMusic();
}
