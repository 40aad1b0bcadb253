// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardAccess.h"
#include "game/BoardWidgets.h"

#include <QAccessible>
#include <QAccessibleWidget>

StatusLine::StatusLine(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(1, 1);
}

void StatusLine::tell(const QString& text)
{
    // The same news twice in a row is still news (two misses by two players).
    if (accessibleName() == text)
        setAccessibleName(QString());
    setAccessibleName(text);
}

namespace {
// A letter card: a button that a reader can press like a click.
class CardAccessible : public QAccessibleWidget {
public:
    explicit CardAccessible(QWidget* card) : QAccessibleWidget(card, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        auto* card = static_cast<PictureButton*>(widget());
        if (action == pressAction() && card->isEnabled() && card->isVisible())
            emit card->clicked();
    }
};

QAccessibleInterface* boardAccessible(const QString& key, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (key == QLatin1String("PictureButton"))
        return new CardAccessible(widget);
    if (key == QLatin1String("StatusLine"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    return nullptr;
}
} // namespace

void installBoardAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(boardAccessible);
    installed = true;
}
