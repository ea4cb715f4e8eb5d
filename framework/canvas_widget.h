// The Qt widget behind a Canvas: paints its backdrop and runs the canvas's Paint handler.
#pragma once

#include <QWidget>

class Canvas;

class CanvasWidget : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

  public:
    Canvas* owner = nullptr;  // cleared when the control goes before its widget

  protected:
    void paintEvent(QPaintEvent* event) override;
};
