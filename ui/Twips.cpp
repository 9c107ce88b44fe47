#include "ui/Twips.h"

#include <QtMath>

namespace fw::ui {

int px(int twips)
{
    return qRound(twips / double(kTwipsPerPixel));
}

int twipsFromPx(int pixels)
{
    return pixels * kTwipsPerPixel;
}

QRect twipsRect(const QRect &twips)
{
    const int x = px(twips.left());
    const int y = px(twips.top());
    return QRect(x, y, px(twips.left() + twips.width()) - x, px(twips.top() + twips.height()) - y);
}

QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace fw::ui
