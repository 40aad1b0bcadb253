// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in effects are complete 8-bit mono wave images of fixed rates and lengths, quiet enough
// for a child's ears, equally loud, and free of clicks at both ends.
#include <QFile>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

QByteArray effect(int id)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// Samples around 128, as -128..127.
QList<int> samples(const QByteArray& wave)
{
    QList<int> out;
    if (wave.size() < 44 || wave.size() < 44 + qint64(u32(wave, 40)))
        return out;
    const int n = int(u32(wave, 40));
    for (int i = 0; i < n; ++i)
        out.append(int(quint8(wave[44 + i])) - 128);
    return out;
}

double rmsDb(const QList<int>& s)
{
    double sum = 0;
    for (int v : s)
        sum += double(v) * v;
    return 20.0 * std::log10(std::sqrt(sum / s.size()) / 128.0);
}

struct Row {
    int id;
    int rate;
    int bytes;
};

const Row table[] = {{100, 22050, 12626}, {101, 11025, 418},  {102, 11025, 20366}, {103, 7500, 1341},
                     {104, 22050, 4442},  {105, 11025, 19848}, {106, 11025, 418},  {107, 22050, 4624},
                     {108, 22050, 4477},  {109, 22050, 7372},  {110, 22050, 13296}, {111, 22050, 10258},
                     {112, 22050, 6390},  {113, 22050, 5340}};

bool isTick(int id) { return id == 101 || id == 106; }

} // namespace

class EffectWaves : public QObject {
    Q_OBJECT

private slots:
    void headerIsExact_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bytes");
        for (const Row& r : table)
            QTest::addRow("%d", r.id) << r.id << r.rate << r.bytes;
    }

    void headerIsExact()
    {
        QFETCH(int, id);
        QFETCH(int, rate);
        QFETCH(int, bytes);
        const QByteArray w = effect(id);
        // An odd data chunk is followed by one pad byte, counted by RIFF but not by the chunk.
        QCOMPARE(w.size(), 44 + bytes + (bytes & 1));
        // PCM, mono, one byte per sample: the byte rate is the sample rate.
        QByteArray header("RIFF____WAVEfmt \x10\0\0\0\1\0\1\0________\1\0\x08\0data____", 44);
        qToLittleEndian<quint32>(w.size() - 8, header.data() + 4);
        qToLittleEndian<quint32>(rate, header.data() + 24);
        qToLittleEndian<quint32>(rate, header.data() + 28);
        qToLittleEndian<quint32>(bytes, header.data() + 40);
        QCOMPARE(w.left(44), header);
    }

    void levelIsGentleAndClickFree_data() { headerIsExact_data(); }
    void levelIsGentleAndClickFree()
    {
        QFETCH(int, id);
        const QList<int> s = samples(effect(id));
        QVERIFY(s.size() > 6);
        int peak = 0;
        long long sum = 0;
        for (int v : s) {
            peak = std::max(peak, std::abs(v));
            sum += v;
        }
        QVERIFY2(peak <= 90, qPrintable(QStringLiteral("peak %1 is above -3 dBFS").arg(peak))); // 128 * 10^(-3/20)
        QVERIFY2(peak >= 24, "effect is nearly silent");
        const double rms = rmsDb(s);
        QVERIFY2(rms <= -12.0 && rms >= (isTick(id) ? -30.0 : -21.0), qPrintable(QString::number(rms)));
        // A constant offset would click when the sound starts and stops.
        QVERIFY(std::abs(double(sum) / s.size()) < 1.5);
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(std::abs(s[i]) <= 2, "starts with a click");
            QVERIFY2(std::abs(s[s.size() - 1 - i]) <= 2, "ends with a click");
        }
    }

    void effectsAreEquallyLoud()
    {
        double lo = 0, hi = -100;
        for (const Row& r : table) {
            if (isTick(r.id))
                continue;
            const QList<int> s = samples(effect(r.id));
            QVERIFY(!s.isEmpty());
            const double rms = rmsDb(s);
            lo = std::min(lo, rms);
            hi = std::max(hi, rms);
        }
        QVERIFY2(hi - lo <= 4.0, qPrintable(QStringLiteral("RMS from %1 to %2 dBFS").arg(lo).arg(hi)));
    }

    // The first cheer is the tick; every other effect is its own.
    void effectsDifferButTheTicks()
    {
        for (const Row& a : table)
            for (const Row& b : table)
                if (a.id < b.id)
                    QVERIFY2((effect(a.id) == effect(b.id)) == (isTick(a.id) && isTick(b.id)),
                             qPrintable(QStringLiteral("%1 and %2").arg(a.id).arg(b.id)));
    }
};

QTEST_GUILESS_MAIN(EffectWaves)
#include "tst_effect_waves.moc"
