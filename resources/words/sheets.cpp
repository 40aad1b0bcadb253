// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Contact sheets of the table of word pictures, for checking every row by eye: each picture
// drawn on the card the board shows, with its line in the table, its words in the four languages
// (in brackets those kept out of the themed lists) and its theme. Not part of the game.
#include "game/WordPicture.h"
#include "vocabulary/WordPictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextStream>

namespace {

constexpr int Columns = 6, Lines = 8, CellWidth = 250, CellHeight = 215, CardSize = 130;

QString caption(const pictures::Row& row)
{
    QStringList languages;
    for (int l = 0; l < pictures::Languages; ++l) {
        QStringList words;
        for (qsizetype w = 0; w < row.words[l].size(); ++w) {
            const QStringList& themes = row.themes[l][w];
            if (themes.isEmpty() && !row.theme.isEmpty())
                words.push_back(u'(' + row.words[l][w] + u')');
            else if (!themes.isEmpty() && themes != QStringList{row.theme})
                words.push_back(row.words[l][w] + u'@' + themes.join(u'@'));
            else
                words.push_back(row.words[l][w]);
        }
        languages.push_back(words.isEmpty() ? QStringLiteral("-") : words.join(QStringLiteral(", ")));
    }
    return QString::number(row.line) + QStringLiteral(": ") + languages.join(QStringLiteral(" | "));
}

void drawCell(QPainter& p, const QRect& cell, const pictures::Row& row, WordPictureCard& card)
{
    p.setPen(Qt::lightGray);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    card.setPicture(row.picture);
    card.render(&p, QPoint(cell.left() + (cell.width() - CardSize) / 2, cell.top() + 6));
    p.setPen(Qt::black);
    p.drawText(cell.adjusted(5, CardSize + 10, -5, -18), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, caption(row));
    p.setPen(Qt::darkGray);
    p.drawText(cell.adjusted(5, 0, -5, -3), Qt::AlignHCenter | Qt::AlignBottom,
               row.theme.isEmpty() ? QStringLiteral("(in no themed list)") : row.theme);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: wupple-word-sheets <pictures.txt> <folder>\n";
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << in.fileName() << ": " << in.errorString() << '\n';
        return 1;
    }
    const pictures::Table table = pictures::parse(QString::fromUtf8(in.readAll()));
    for (const QString& problem : table.problems)
        QTextStream(stderr) << in.fileName() << ", " << problem << '\n';
    QVector<pictures::Row> rows;
    for (const pictures::Row& row : table.rows)
        if (!row.picture.isEmpty())
            rows.push_back(row);

    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << folder.path() << ": cannot make the folder\n";
        return 1;
    }
    QWidget parent;
    WordPictureCard card(&parent);
    card.resize(CardSize, CardSize);
    QFont text;
    text.setPixelSize(13);
    const int perSheet = Columns * Lines;
    for (int sheet = 0; sheet * perSheet < rows.size(); ++sheet) {
        QImage image(Columns * CellWidth, Lines * CellHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(text);
        for (int k = 0; k < perSheet && sheet * perSheet + k < rows.size(); ++k)
            drawCell(p, QRect((k % Columns) * CellWidth, (k / Columns) * CellHeight, CellWidth, CellHeight),
                     rows[sheet * perSheet + k], card);
        p.end();
        const QString path = folder.filePath(QStringLiteral("word-pictures-%1.png").arg(sheet + 1, 2, 10, QLatin1Char('0')));
        if (!image.save(path)) {
            QTextStream(stderr) << path << ": cannot write\n";
            return 1;
        }
        QTextStream(stdout) << path << '\n';
    }
    return table.problems.isEmpty() ? 0 : 1;
}
