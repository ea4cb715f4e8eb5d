#include "framework/app_style.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>

namespace {

class AppStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        // A right-pointing double chevron, as the menu bar shows when its menus do not fit.
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5));
        for (int x : {4, 9})
            painter.drawPolyline(QPolygonF({QPointF(x, 4), QPointF(x + 4, 8), QPointF(x, 12)}));
        return QIcon(pixmap);
    }
};

}  // namespace

QStyle* MakeAppStyle() {
    return new AppStyle;
}
