#include "common/Shutdown.h"
#include "common/Platform.h"
#include "settings/Einst.h"

#include <QApplication>
#include <QWidget>

void Shutdown()
{
    try {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
            QWidget* w = *it;
            // Open dialogs are closed so that whatever waits on them can finish.
            if (w->isVisible() && w->isModal())
                w->close();
        }
        Einst::unload();
    } catch (...) {
    }
    if (platform().quit)
        platform().quit();
}
