#include "sound/Playback.h"
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "sound/Sound.h"

#include <QDir>
#include <QFile>

void PlayWAV(int id)
{
    step(QStringLiteral("PlayWAV"), [&] {
        QFile resource(QStringLiteral(":/sounds/%1.wav").arg(id));
        if (!resource.open(QIODevice::ReadOnly))
            throw RuntimeError(Err::ResourceNotFound, QString::number(id));
        // The player cuts off the previous effect before its bytes are released here.
        QByteArray next = resource.readAll();
        if (platform().sound)
            platform().sound->playWav(id, next);
        g().WavDaten = std::move(next);
    });
}

QString musicPath() { return QDir(programFolder()).filePath(QStringLiteral("wupple.mid")); }

void MakeMusic()
{
    if (platform().sound)
        platform().sound->openAndPlayMusic(musicPath());
    g().MusikStart = platform().clock ? platform().clock->secondsSinceMidnight() : 0;
}

void CloseMusic()
{
    if (platform().sound)
        platform().sound->closeMusic();
}
