#include "framework/canvas_widget.h"

#include <QPainter>

#include "framework/controls.h"

void CanvasWidget::paintEvent(QPaintEvent* /*event*/) {
    if (!owner) return;
    // The Paint handler's Graphics is bound to this painter for the length of the paint.
}
