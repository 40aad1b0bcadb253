#include "common/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString fromWindows1252(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder(bytes);
}

QByteArray toWindows1252(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder(text);
    // A character the code page lacks would come out as 0x1A; a question mark is kinder.
    bytes.replace('\x1a', '?');
    return bytes;
}
