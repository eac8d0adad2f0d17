#include "app/ProgramPicture.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap ProgramPicture(QSize size, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/tarvex/tarvex.svg"));
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return picture;
}
