#include "formats/forms/ColourSwatchView.h"

#include <QPainter>

namespace tallowby {

ColourSwatchView::ColourSwatchView(QWidget* parent) : QWidget(parent) {}

void ColourSwatchView::SetFills(std::vector<SwatchFill> fills) {
    fills_ = std::move(fills);
    update();
}

void ColourSwatchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const SwatchFill& fill : fills_) {
        QRect area(QPoint(fill.left, fill.top), QPoint(fill.right - 1, fill.bottom - 1));
        painter.fillRect(area, QColor(fill.colour.red, fill.colour.green, fill.colour.blue));
    }
}

}  // namespace tallowby
