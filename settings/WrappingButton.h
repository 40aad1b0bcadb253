// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An option button or check box whose caption wraps onto several lines, as the dialog's longer
// captions need ("nicht erratene Wörter anzeigen"). The caption sits in a label inside the
// button, so a click anywhere on it still toggles the button, and its "&" letter still works.
#include <QKeySequence>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

template <typename Button>
class WrappingButton : public Button {
public:
    explicit WrappingButton(QWidget* parent) : Button(parent), m_label(new QLabel(this))
    {
        m_label->setWordWrap(true);
        m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    void setCaption(const QString& caption)
    {
        m_caption = caption;
        m_label->setText(caption);
        m_label->setBuddy(this);
        this->setShortcut(QKeySequence::mnemonic(caption));
        // The caption is the label's, not the button's: a screen reader gets it as the name.
        this->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        placeLabel();
    }
    QString caption() const { return m_caption; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        Button::resizeEvent(event);
        placeLabel();
    }

private:
    void placeLabel()
    {
        const int indicator = this->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6;
        m_label->setGeometry(indicator, 0, std::max(0, this->width() - indicator), this->height());
    }

    QLabel* m_label;
    QString m_caption;
};
