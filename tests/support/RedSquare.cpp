#include "tests/support/RedSquare.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <QtMath>

QRect drawnRedSquare(QWidget& window)
{
    const QImage image = window.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    QRect red;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                red |= QRect(QPoint(qFloor(x / ratio), qFloor(y / ratio)), QSize(1, 1));
        }
    }
    return red;
}
