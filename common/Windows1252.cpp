#include "common/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

// Opening a converter costs far more than converting a line, so each thread keeps one.
QString fromWindows1252(const QByteArray& bytes)
{
    thread_local QStringDecoder decoder("windows-1252");
    decoder.resetState();
    return decoder(bytes);
}

QByteArray toWindows1252(const QString& text)
{
    thread_local QStringEncoder encoder("windows-1252");
    encoder.resetState();
    QByteArray bytes = encoder(text);
    // A character the code page lacks would come out as 0x1A; a question mark is kinder.
    bytes.replace('\x1a', '?');
    return bytes;
}
