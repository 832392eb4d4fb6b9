#pragma once

// Building blocks for the groups that hold a fuel grid with a column of buttons to its right, on
// the Fuel page and on the Load page.

#include "framework/Widgets.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <functional>
#include <vector>

namespace pages::fuel {

struct GridButton {
    QString name;
    QString caption;
    std::function<void()> onClick;
};

constexpr int GridRowHeight = 18;
constexpr int GridButtonWidth = 60;

// The width the grid's cells can use: inside the frame and, for a grid that always shows its
// vertical scroll bar, beside that bar.
inline int GridClientWidth(const framework::StringGrid* grid) {
    int width = grid->clientWidth();
    if (grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        width -= grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    return width;
}

enum class ButtonsAt { Right, Below };

// A group captioned `caption` at `geometry` holding the grid `gridName` and one button per entry of
// `buttons`: top to bottom to the grid's right, or side by side below it. With `visibleRows` > 0
// the grid is exactly as high as that many rows; with 0 it fills the group's height and scrolls.
inline framework::StringGrid* GridGroup(QWidget* page, const QString& caption, const QRect& geometry,
                                        const QString& gridName, int visibleRows,
                                        const std::vector<GridButton>& buttons,
                                        ButtonsAt place = ButtonsAt::Right) {
    QGroupBox* group = ui::Group(page, {}, caption, geometry);
    const int gridWidth = geometry.width() - 16 - (place == ButtonsAt::Right ? 6 + GridButtonWidth : 0);
    framework::StringGrid* grid = ui::Grid(group, gridName, QRect(8, 18, gridWidth, 10));
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Narrow title columns ("Dec", "Decimal") show their whole text in the cell's margins rather
    // than an ellipsis.
    grid->setTextElideMode(Qt::ElideNone);
    if (visibleRows > 0) {
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->resize(gridWidth, visibleRows * GridRowHeight + 2 * grid->frameWidth());
    } else {
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid->resize(gridWidth, geometry.height() - 18 - 8);
    }
    if (place == ButtonsAt::Right) {
        int y = 18;
        for (const GridButton& button : buttons) {
            ui::Button(group, button.name, button.caption, QRect(8 + gridWidth + 6, y, GridButtonWidth, 25),
                       button.onClick);
            y += 30;
        }
    } else {
        const int count = static_cast<int>(buttons.size());
        const int width = count > 0 ? (gridWidth - 6 * (count - 1)) / count : 0;
        int x = 8;
        for (const GridButton& button : buttons) {
            ui::Button(group, button.name, button.caption, QRect(x, 18 + grid->height() + 6, width, 25),
                       button.onClick);
            x += width + 6;
        }
    }
    return grid;
}

} // namespace pages::fuel
