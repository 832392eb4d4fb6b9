#include "Logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The mark: a receipt strip curling out of a till, in the product's teal.
void drawMark(QPainter& p, const QRectF& box) {
    const QColor teal(0, 122, 128);
    const QColor paper(250, 250, 246);
    p.setPen(Qt::NoPen);
    p.setBrush(teal);
    p.drawRoundedRect(QRectF(box.left(), box.top() + box.height() * 0.45, box.width(), box.height() * 0.55),
                      box.width() * 0.12, box.width() * 0.12);
    QPainterPath strip;
    const qreal w = box.width() * 0.5;
    const qreal x = box.left() + (box.width() - w) / 2;
    strip.moveTo(x, box.top() + box.height() * 0.55);
    strip.lineTo(x, box.top());
    for (int i = 0; i < 4; ++i)
        strip.lineTo(x + w * (i + 0.5) / 4, box.top() + box.height() * 0.06 * ((i % 2) + 1)),
            strip.lineTo(x + w * (i + 1) / 4, box.top());
    strip.lineTo(x + w, box.top() + box.height() * 0.55);
    strip.closeSubpath();
    p.setBrush(paper);
    p.setPen(QPen(teal.darker(130), 1.2));
    p.drawPath(strip);
    p.setPen(QPen(teal, 1.5));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = box.top() + box.height() * (0.12 + 0.09 * i);
        p.drawLine(QPointF(x + w * 0.18, y), QPointF(x + w * (i == 3 ? 0.55 : 0.82), y));
    }
}

} // namespace

QPixmap DrawLogo(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height);
    background.setColorAt(0, QColor(236, 246, 246));
    background.setColorAt(1, QColor(206, 230, 231));
    p.setPen(QPen(QColor(0, 122, 128), 1));
    p.setBrush(background);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 8, 8);
    drawMark(p, QRectF(12, 12, height - 24, height - 24));
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(height * 2 / 5);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 92, 96));
    const QRectF text(height, 6, width - height - 8, height * 0.62);
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Tillmate"));
    QFont tagline(QStringLiteral("DejaVu Sans"));
    tagline.setPixelSize(11);
    p.setFont(tagline);
    p.setPen(QColor(40, 60, 62));
    p.drawText(QRectF(height, height * 0.66, width - height - 8, height * 0.3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("fiscal module console"));
    return pixmap;
}

QPixmap DrawIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawMark(p, QRectF(2, 2, 28, 28));
    return pixmap;
}
