// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A soundfont is taken only whole: one that FluidSynth would skip makes the tune fall silent.
#include "sound/SoundFont.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ownFont() { return fileBytes(qEnvironmentVariable("WUPPLE_RUNTIME_DIR") + QStringLiteral("/wupple.sf2")); }

// The offset of a chunk's data, found by its name.
qsizetype dataOf(const QByteArray& font, const char* id) { return font.indexOf(id) + 8; }
} // namespace

class SoundFontTest : public QObject {
    Q_OBJECT
private slots:
    void wholeFontsAreTaken()
    {
        QVERIFY(ownFont().size() > 1000);
        QVERIFY(isWholeSoundFont(ownFont()));
        // The General MIDI soundfont the game falls back to, where it is installed in that form.
        const QByteArray general = fileBytes(QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"));
        if (!general.isEmpty())
            QVERIFY(isWholeSoundFont(general));
    }

    void brokenFontsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("font");
        const QByteArray own = ownFont();
        QTest::newRow("cut after its header") << own.left(12);
        QTest::newRow("cut in half") << own.left(own.size() / 2);
        QTest::newRow("one byte short") << own.chopped(1);
        QByteArray claimsMore = own;
        qToLittleEndian<quint32>(quint32(own.size()), claimsMore.data() + 4);
        QTest::newRow("claims more than it holds") << claimsMore;
        QByteArray noPresets = own;
        noPresets.replace(noPresets.indexOf("phdr"), 4, "xxxx");
        QTest::newRow("no preset table") << noPresets;
        QByteArray oddTable = own;
        const qsizetype pbag = oddTable.indexOf("pbag");
        qToLittleEndian<quint32>(qFromLittleEndian<quint32>(own.constData() + pbag + 4) - 2, oddTable.data() + pbag + 4);
        QTest::newRow("a table of broken records") << oddTable;
        QByteArray sampleOutside = own;
        qToLittleEndian<quint32>(quint32(own.size()), sampleOutside.data() + dataOf(own, "shdr") + 24);
        QTest::newRow("a sample ending past the sample data") << sampleOutside;
        QByteArray noSamples = own;
        noSamples.replace(noSamples.indexOf("smpl"), 4, "xxxx");
        QTest::newRow("no sample data") << noSamples;
        QTest::newRow("another RIFF file") << QByteArray("RIFF\x04\0\0\0WAVE", 12);
        QTest::newRow("empty") << QByteArray();
    }
    void brokenFontsAreRefused()
    {
        QFETCH(QByteArray, font);
        QVERIFY(!isWholeSoundFont(font));
    }
};

QTEST_GUILESS_MAIN(SoundFontTest)
#include "tst_sound_font.moc"
