#include "Cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace framework {

namespace {

int16_t current = crDefault;

Qt::CursorShape shapeOf(int16_t cursor) {
    switch (cursor) {
    case crHourGlass:
        return Qt::WaitCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

void SetAppCursor(int16_t cursor) {
    current = cursor;
    if (!qGuiApp)
        return;
    if (cursor == crDefault) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(QCursor(shapeOf(cursor)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(shapeOf(cursor)));
    }
}

int16_t AppCursor() {
    return current;
}

} // namespace framework
