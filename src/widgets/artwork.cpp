#include "widgets/artwork.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace lm {

namespace {

constexpr int kIconSize = 32;  // drawn at 32 pixels, shown at 16 or more

const QColor kInk(0x2b, 0x3a, 0x4a);
const QColor kPaper(0xfb, 0xfb, 0xf7);
const QColor kBlue(0x2f, 0x6f, 0xb5);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kOrange(0xe0, 0x8a, 0x1e);
const QColor kRed(0xc0, 0x3a, 0x2b);

// A hand-held radio: body, antenna, speaker grille and display, within a 32 x 32 box.
void DrawRadio(QPainter& p, const QColor& body) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(19, 1.5, 3.5, 10), 1.5, 1.5);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(8.5, 9.5, 15, 21), 3, 3);
    p.setBrush(QColor(0xc8, 0xe6, 0xc9));
    p.drawRect(QRectF(11, 12.5, 10, 5));
    p.setPen(QPen(kInk, 1.2));
    for (int y = 21; y <= 27; y += 3) p.drawLine(QPointF(11.5, y), QPointF(20.5, y));
}

void DrawPage(QPainter& p, const QRectF& r, const QColor& fill) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 7, r.top());
    path.lineTo(r.right(), r.top() + 7);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
    p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPolygonF head{to + d * 3, to - d * 5 + n * 5, to - d * 5 - n * 5};
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
}

void DrawIcon(QPainter& p, int index) {
    switch (index) {
        case 0:  // New
            DrawPage(p, QRectF(7, 3, 18, 26), kPaper);
            p.setPen(QPen(kOrange, 2.5));
            p.drawLine(QPointF(22, 19), QPointF(22, 29));
            p.drawLine(QPointF(17, 24), QPointF(27, 24));
            break;
        case 1:  // Open
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(0xf2, 0xc1, 0x4e));
            p.drawRect(QRectF(3, 8, 24, 19));
            p.drawRect(QRectF(3, 5, 10, 3));
            p.setBrush(QColor(0xf8, 0xd8, 0x7a));
            p.drawPolygon(QPolygonF{QPointF(3, 27), QPointF(8, 14), QPointF(30, 14), QPointF(27, 27)});
            break;
        case 2:  // Print
            p.setPen(QPen(kInk, 1.5));
            DrawPage(p, QRectF(9, 3, 14, 12), kPaper);
            p.setBrush(QColor(0x9a, 0xa7, 0xb4));
            p.drawRoundedRect(QRectF(3, 13, 26, 12), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 21, 14, 8));
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(25, 17), 1.5, 1.5);
            break;
        case 3:  // Save
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 4, 14, 9));
            p.setBrush(QColor(0xdd, 0xe4, 0xec));
            p.drawRect(QRectF(8, 18, 16, 10));
            break;
        case 4:  // unused slot: a chip
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(0x55, 0x60, 0x6b));
            p.drawRect(QRectF(9, 9, 14, 14));
            for (int i = 11; i <= 21; i += 5) {
                p.drawLine(QPointF(i, 5), QPointF(i, 9));
                p.drawLine(QPointF(i, 23), QPointF(i, 27));
            }
            break;
        case 5:  // Write to radio: arrow into the radio
            DrawRadio(p, QColor(0x78, 0x86, 0x94));
            DrawArrow(p, QPointF(2, 20), QPointF(9, 20), kRed);
            break;
        case 6:  // Help
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setPen(QPen(Qt::white));
            {
                QFont f = p.font();
                f.setBold(true);
                f.setPixelSize(20);
                p.setFont(f);
            }
            p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
            break;
        case 7:  // Read from radio: arrow out of the radio
            DrawRadio(p, QColor(0x78, 0x86, 0x94));
            DrawArrow(p, QPointF(8, 20), QPointF(1.5, 20), kGreen);
            break;
        case 8:  // Channel edit: a list and a pencil
            DrawPage(p, QRectF(4, 3, 18, 26), kPaper);
            p.setPen(QPen(kBlue, 2));
            for (int y = 10; y <= 22; y += 4) p.drawLine(QPointF(8, y), QPointF(17, y));
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(kOrange);
            p.drawPolygon(QPolygonF{QPointF(27, 10), QPointF(31, 14), QPointF(19, 26), QPointF(15, 27),
                                    QPointF(16, 22)});
            break;
        case 9:  // Tree root: the radio
            DrawRadio(p, kBlue);
            break;
        case 10:  // Tree node
        case 11:  // Tree node, selected
            DrawPage(p, QRectF(7, 4, 18, 24), index == 10 ? kPaper : QColor(0xff, 0xe7, 0xa8));
            p.setPen(QPen(index == 10 ? QColor(0x9a, 0xa7, 0xb4) : kOrange, 2));
            for (int y = 13; y <= 23; y += 5) p.drawLine(QPointF(11, y), QPointF(21, y));
            break;
        case 12:  // Production: three radios side by side, written at once
            for (int i = 0; i < 3; ++i) {
                const qreal x = 2 + i * 10;
                p.setPen(QPen(kInk, 1.2));
                p.setBrush(kInk);
                p.drawRect(QRectF(x + 5, 4, 2, 6));
                p.setBrush(QColor(0x78, 0x86, 0x94));
                p.drawRoundedRect(QRectF(x, 9, 8, 15), 2, 2);
                p.setBrush(QColor(0xc8, 0xe6, 0xc9));
                p.drawRect(QRectF(x + 1.5, 11, 5, 3));
            }
            DrawArrow(p, QPointF(16, 31), QPointF(16, 27), kRed);
            break;
        case 15: {  // Communication port: a plug and its cable
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(0x9a, 0xa7, 0xb4));
            p.drawPolygon(QPolygonF{QPointF(4, 9), QPointF(28, 9), QPointF(25, 20), QPointF(7, 20)});
            p.setBrush(kInk);
            for (int x = 9; x <= 23; x += 4) p.drawEllipse(QPointF(x, 13), 1, 1);
            for (int x = 11; x <= 21; x += 5) p.drawEllipse(QPointF(x, 16.5), 1, 1);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(16, 20), QPointF(16, 24));
            QPainterPath cable;
            cable.moveTo(16, 24);
            cable.cubicTo(16, 30, 26, 26, 28, 30);
            p.drawPath(cable);
            break;
        }
        default:
            break;
    }
}

}  // namespace

QPixmap BackgroundPicture() {
    QImage image(200, 150, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A calm blue-grey ground, lighter towards the middle, equal on all four edges so the tiles join.
    QRadialGradient ground(QPointF(100, 75), 125);
    ground.setColorAt(0, QColor(0xe9, 0xef, 0xf4));
    ground.setColorAt(1, QColor(0xd6, 0xdf, 0xe8));
    p.fillRect(image.rect(), QColor(0xd6, 0xdf, 0xe8));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawEllipse(QPointF(100, 75), 125, 125);
    // Radio waves leaving a small mast in the middle of the tile.
    const QPointF mast(100, 80);
    for (int i = 1; i <= 4; ++i) {
        QColor c(0x9f, 0xb3, 0xc6);
        c.setAlpha(150 - 28 * i);
        p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
        const double r = 11.0 * i;
        const QRectF box(mast.x() - r, mast.y() - 18 - r, 2 * r, 2 * r);
        p.drawArc(box, 30 * 16, 120 * 16);
        p.drawArc(box, 210 * 16, 120 * 16);
    }
    p.setPen(QPen(QColor(0x8a, 0xa0, 0xb5), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(mast + QPointF(0, -18), mast + QPointF(0, 22));
    p.drawLine(mast + QPointF(-9, 22), mast + QPointF(0, 4));
    p.drawLine(mast + QPointF(9, 22), mast + QPointF(0, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0xa0, 0xb5));
    p.drawEllipse(mast + QPointF(0, -18), 3.5, 3.5);
    // Small dots at the corners make the repeat visible as a quiet grid.
    for (const QPointF& corner : {QPointF(0, 0), QPointF(200, 0), QPointF(0, 150), QPointF(200, 150)}) {
        p.drawEllipse(corner, 2.5, 2.5);
    }
    p.end();
    return QPixmap::fromImage(image);
}

namespace {

QPixmap ImageListPixmap(int index) {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawIcon(p, index);
    p.end();
    return QPixmap::fromImage(image);
}

}  // namespace

QIcon ImageListIcon(int index) {
    if (index < 0 || index >= kImageCount) return {};
    return QIcon(ImageListPixmap(index));
}

QIcon ImageListIcon(int index, int selectedIndex) {
    QIcon icon = ImageListIcon(index);
    if (icon.isNull() || selectedIndex < 0 || selectedIndex >= kImageCount) return icon;
    icon.addPixmap(ImageListPixmap(selectedIndex), QIcon::Selected);
    return icon;
}

QPixmap ApplicationPixmap(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QLinearGradient disc(0, 0, 0, 32);
    disc.setColorAt(0, QColor(0x4f, 0x8f, 0xd5));
    disc.setColorAt(1, QColor(0x1f, 0x4f, 0x8f));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
    p.translate(1, 1);
    p.scale(0.94, 0.94);
    DrawRadio(p, QColor(0xee, 0xf2, 0xf6));
    p.end();
    return QPixmap::fromImage(image);
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(ApplicationPixmap(size));
    return icon;
}

}  // namespace lm
