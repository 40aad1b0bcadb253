// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/WordPictureDelegate.h"

#include "vocabulary/WordPictures.h"

#include <QPainter>

void WordPictureDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString picture = pictures::ofCurrent(index.data(Qt::DisplayRole).toString());
    if (picture.isEmpty())
        return;
    painter->save();
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(std::max(8, option.rect.height() - 2));
    painter->setFont(font);
    painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, picture);
    painter->restore();
}
