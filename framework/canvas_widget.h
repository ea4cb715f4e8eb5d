// The Qt widget behind a Canvas: paints its backdrop, runs the canvas's Paint handler, and takes the
// drags and drops that the canvas accepts.
#pragma once

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;
    Canvas* owner = nullptr;  // cleared when the control goes before its widget

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
