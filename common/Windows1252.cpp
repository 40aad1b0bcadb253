#include "common/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

// Codes 0x00..0x7F are the same in Windows-1252 and Unicode and are mapped here, not by the
// converter: it uses 0x1A as its mark for an unencodable character, so a real 0x1A (which a
// scrambled password may hold) would be lost on the way.
QString fromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    // Opening a converter costs far more than converting a line, so each thread keeps one.
    thread_local QStringDecoder decoder("windows-1252");
    decoder.resetState();
    for (qsizetype i = 0; i < bytes.size();) {
        qsizetype end = i;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80)
            ++end;
        text += QLatin1StringView(bytes.constData() + i, end - i);
        i = end;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x80)
            ++end;
        if (end > i)
            text += decoder(QByteArrayView(bytes.constData() + i, end - i));
        i = end;
    }
    return text;
}

QByteArray toWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    thread_local QStringEncoder encoder("windows-1252");
    encoder.resetState();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            bytes += static_cast<char>(c.unicode());
            continue;
        }
        // One character at a time, so that a surrogate pair stays whole.
        const qsizetype length = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QByteArray one = encoder(QStringView(text).mid(i, length));
        // A character the code page lacks becomes a question mark.
        const bool encoded = one.size() == 1 && one[0] != '\x1a' && !encoder.hasError();
        bytes += encoded ? one : QByteArray("?");
        if (encoder.hasError())
            encoder = QStringEncoder("windows-1252");
        i += length - 1;
    }
    return bytes;
}
