// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of words solved per day, in a library of its own: the game loads it when the
// progress window first opens, so a start that never shows the chart never loads the charts
// library and what it brings along.
#include <QCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

extern "C" Q_DECL_EXPORT QWidget* wuppleDayChart(QWidget* parent)
{
    auto* view = new QChartView(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(480, 220);
    return view;
}

// `counts` holds one number per day, the oldest first; `labels` the day under each bar.
extern "C" Q_DECL_EXPORT void wuppleDayChartShow(QWidget* widget, const QList<int>* counts, const QStringList* labels,
                                                 const QString* title)
{
    auto* view = qobject_cast<QChartView*>(widget);
    if (!view)
        return;
    auto* set = new QBarSet(*title);
    set->setColor(QColor(0x3a, 0x8f, 0xd0));
    int most = 0;
    for (int n : *counts) {
        *set << n;
        most = std::max(most, n);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.8);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(*title);
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    // Thirty day labels side by side have no room and come out as "…": today and every fifth day
    // before it are named, under their bars.
    auto* days = new QCategoryAxis;
    days->setRange(-0.5, double(counts->size()) - 0.5);
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qsizetype last = labels->size() - 1;
    for (qsizetype i = last % 5; i <= last; i += 5)
        days->append(labels->at(i), double(i));
    days->setGridLineVisible(false);
    QFont small = days->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    days->setLabelsFont(small);
    chart->addAxis(days, Qt::AlignBottom);
    series->attachAxis(days);
    auto* words = new QValueAxis;
    words->setRange(0, std::max(4, most + 1));
    words->setLabelFormat(QStringLiteral("%d"));
    words->setTickType(QValueAxis::TicksDynamic);
    words->setTickInterval(std::max(1, (most + 4) / 5));
    words->setTickAnchor(0);
    words->setLabelsFont(small);
    chart->addAxis(words, Qt::AlignLeft);
    series->attachAxis(words);
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}
