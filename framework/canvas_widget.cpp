#include "framework/canvas_widget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

#include "framework/controls.h"
#include "framework/drag_item.h"
#include "framework/painter_graphics.h"
#include "framework/picture.h"

void CanvasWidget::paintEvent(QPaintEvent* /*event*/) {
    if (!owner) return;
    QPainter painter(this);
    if (const Ref<Picture>& backdrop = owner->Backdrop()) {
        // A backdrop whose pixels cannot be decoded is not drawn; nothing may escape into Qt here.
        try {
            painter.drawImage(QPoint(0, 0), backdrop->Image());
        } catch (const NilObjectException&) {
        }
    }
    if (!owner->HasEventHandler("Paint")) return;
    // The Paint handler's Graphics draws with this painter for the length of the paint.
    owner->Paint(std::make_shared<PainterGraphics>(&painter, width(), height()));
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) {
    // A drag that the canvas would refuse is refused here already, so the user sees it cannot drop.
    if (owner && owner->DropFor(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CanvasWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (owner && owner->DropFor(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CanvasWidget::dropEvent(QDropEvent* event) {
    Ref<DragItem> item = owner ? owner->DropFor(*event->mimeData()) : nullptr;
    if (!item) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    owner->Drop(item, int32_t(event->dropAction()));
}
