#include "ui/Pictures.h"

#include <QFileInfo>
#include <QImage>
#include <QResource>

namespace fw::ui {

QString prescaledResource(const QString &resource, QSize deviceSize)
{
    return QStringLiteral(":/pictures/scaled/%1-%2x%3.rgb32")
        .arg(QFileInfo(resource).completeBaseName())
        .arg(deviceSize.width())
        .arg(deviceSize.height());
}

QPixmap scaledPicture(const QString &resource, QSize size, qreal ratio)
{
    const QSize deviceSize = size * ratio;
    if (deviceSize.isEmpty())
        return {};
    QImage image;
    const QResource prescaled(prescaledResource(resource, deviceSize));
    const qint64 bytes = qint64(deviceSize.width()) * deviceSize.height() * 4;
    if (prescaled.isValid() && prescaled.compressionAlgorithm() == QResource::NoCompression
        && prescaled.size() == bytes) {
        // The pixels are used where they lie in the program, unless they
        // are not aligned for 32-bit access.
        const uchar *pixels = prescaled.data();
        image = QImage(pixels, deviceSize.width(), deviceSize.height(), deviceSize.width() * 4,
            QImage::Format_RGB32);
        if (reinterpret_cast<quintptr>(pixels) % 4 != 0)
            image = image.copy();
    } else {
        return scaledPicture(QImage(resource), size, ratio);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap scaledPicture(QImage image, QSize size, qreal ratio)
{
    const QSize deviceSize = size * ratio;
    if (deviceSize.isEmpty() || image.isNull())
        return {};
    // The formats a pixmap would hold them in.
    image.convertTo(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QPixmap pixmap = QPixmap::fromImage(
        image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon windowIcon()
{
    return QIcon(scaledPicture(QStringLiteral(":/pictures/icon.ico"), QSize(32, 32), 1.0));
}

} // namespace fw::ui
