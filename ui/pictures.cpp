#include "ui/pictures.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "ui/picture_ink.h"

namespace pictures {

namespace {

using namespace ink;

void viewfinder(QPainter& p) {
    p.setPen(inkPen(2.2));
    const qreal a = 3, b = 21, l = 6;
    p.drawPolyline(QPolygonF({{a, a + l}, {a, a}, {a + l, a}}));
    p.drawPolyline(QPolygonF({{b - l, a}, {b, a}, {b, a + l}}));
    p.drawPolyline(QPolygonF({{b, b - l}, {b, b}, {b - l, b}}));
    p.drawPolyline(QPolygonF({{a + l, b}, {a, b}, {a, b - l}}));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(12, 12), 4.2, 4.2);
}

void mini(QPainter& p) {
    p.setPen(inkPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 2, 2);
    p.drawLine(QPointF(2.5, 8.5), QPointF(21.5, 8.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(11, 12, 8, 5), 1.2, 1.2);
}

void tray(QPainter& p) {
    p.setPen(inkPen(2.2));
    p.drawLine(QPointF(12, 3), QPointF(12, 14));
    p.drawPolyline(QPolygonF({{7, 9.5}, {12, 14.5}, {17, 9.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(3, 17.5, 18, 4), 1.5, 1.5);
}

void position(QPainter& p) {
    QPainterPath pin;
    pin.moveTo(12, 22);
    pin.cubicTo(12, 22, 4.5, 14, 4.5, 9.5);
    pin.arcTo(QRectF(4.5, 2, 15, 15), 180, -180);
    pin.cubicTo(19.5, 14, 12, 22, 12, 22);
    p.setPen(inkPen(1.8));
    p.setBrush(kAccent);
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawEllipse(QPointF(12, 9.5), 2.8, 2.8);
}

void config(QPainter& p) {
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal r = (i % 2 == 0) ? 10.0 : 7.6;
        const qreal a0 = (i - 0.5) * M_PI / teeth;
        const qreal a1 = (i + 0.5) * M_PI / teeth;
        const QPointF p0(12 + r * std::cos(a0), 12 + r * std::sin(a0));
        const QPointF p1(12 + r * std::cos(a1), 12 + r * std::sin(a1));
        if (i == 0) {
            gear.moveTo(p0);
        } else {
            gear.lineTo(p0);
        }
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 3.4, 3.4);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(gear.subtracted(hole));
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(12, 12), 1.8, 1.8);
}

// The glyphs are drawn as strokes rather than set in a font: they look the same on every
// desktop, and the pictures need no font until some text is shown.
void circle(QPainter& p, bool accentFill) {
    p.setPen(inkPen(1.8));
    p.setBrush(accentFill ? QBrush(kAccent) : Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
}

void help(QPainter& p) {
    circle(p, true);
    QPainterPath mark;
    const QRectF bow(8.9, 5.6, 6.2, 6.2);
    mark.arcMoveTo(bow, 165);
    mark.arcTo(bow, 165, -225);
    mark.lineTo(12, 13.8);
    p.setPen(QPen(kLight, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawEllipse(QPointF(12, 17.4), 1.4, 1.4);
}

void about(QPainter& p) {
    circle(p, false);
    p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 10.8), QPointF(12, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(12, 7.2), 1.5, 1.5);
}

void save(QPainter& p) {
    QPainterPath disk;
    disk.moveTo(3, 3);
    disk.lineTo(17.5, 3);
    disk.lineTo(21, 6.5);
    disk.lineTo(21, 21);
    disk.lineTo(3, 21);
    disk.closeSubpath();
    p.setPen(inkPen(1.8));
    p.setBrush(kAccent);
    p.drawPath(disk);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawRect(QRectF(7, 4.5, 9, 5));
    p.drawRoundedRect(QRectF(6, 13, 12, 6.5), 1, 1);
}

void pen(QPainter& p) {
    QPainterPath body;
    body.moveTo(16, 3.5);
    body.lineTo(20.5, 8);
    body.lineTo(8.5, 20);
    body.lineTo(3.5, 20.5);
    body.lineTo(4, 15.5);
    body.closeSubpath();
    p.setPen(inkPen(1.8));
    p.setBrush(kAccent);
    p.drawPath(body);
    p.drawLine(QPointF(13.5, 6), QPointF(18, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({{3.5, 20.5}, {4, 17.5}, {6.5, 20}}));
}

void bucket(QPainter& p) {
    QPainterPath pail;
    pail.moveTo(4, 10);
    pail.lineTo(11, 3);
    pail.lineTo(19, 11);
    pail.lineTo(12, 18);
    pail.closeSubpath();
    p.setPen(inkPen(1.8));
    p.setBrush(kLight);
    p.drawPath(pail);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({{4, 10}, {19, 11}, {12, 18}}));
    QPainterPath drop;
    drop.moveTo(20, 13);
    drop.cubicTo(18, 16.5, 17.5, 18, 17.5, 19);
    drop.arcTo(QRectF(17.5, 17.5, 5, 4.5), 180, 180);
    drop.cubicTo(22.5, 18, 22, 16.5, 20, 13);
    p.drawPath(drop);
}

void text(QPainter& p) {
    p.setPen(inkPen(2.6));
    p.drawLine(QPointF(4, 5), QPointF(20, 5));
    p.drawLine(QPointF(12, 5), QPointF(12, 20));
    p.setPen(QPen(kAccent, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 20), QPointF(16, 20));
}

void stickers(QPainter& p) {
    p.setPen(inkPen(1.8));
    p.setBrush(QColor(0xfb, 0xbf, 0x24));
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(8.8, 9.5), 1.5, 1.8);
    p.drawEllipse(QPointF(15.2, 9.5), 1.5, 1.8);
    p.setPen(inkPen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 9, 10, 8.5), 200 * 16, 140 * 16);
}

// A filled band with an arrow pushing it away: new space above or below the picture.
void grow(QPainter& p, bool up) {
    p.save();
    if (!up) {
        p.translate(0, 24);
        p.scale(1, -1);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(3, 2.5, 18, 4.5), 1.2, 1.2);
    p.setPen(inkPen(2.4));
    p.drawLine(QPointF(12, 21.5), QPointF(12, 10));
    p.drawPolyline(QPolygonF({{6.5, 15}, {12, 9.5}, {17.5, 15}}));
    p.restore();
}
void growUp(QPainter& p) {
    grow(p, true);
}
void growDown(QPainter& p) {
    grow(p, false);
}

void clipboard(QPainter& p) {
    p.setPen(inkPen(1.8));
    p.setBrush(kLight);
    p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(8, 2, 8, 5), 1.5, 1.5);
    p.setPen(inkPen(1.6));
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    p.drawLine(QPointF(8, 16.5), QPointF(14, 16.5));
}

void reset(QPainter& p) {
    p.setPen(inkPen(2.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 16, 16), 100 * 16, 290 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({{6, 1.5}, {12.5, 3.8}, {7.2, 9}}));
}

void rotate(QPainter& p) {
    p.setPen(inkPen(2.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 16, 16), 150 * 16, -250 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({{18, 1.5}, {11.5, 3.8}, {16.8, 9}}));
}

void closeCross(QPainter& p) {
    p.setPen(inkPen(2.6));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void pushPin(QPainter& p, bool in) {
    // A pin seen from the side: pressed in when the bar is kept on top.
    p.setPen(inkPen(2.0));
    p.setBrush(in ? QBrush(kAccent) : Qt::NoBrush);
    p.drawRoundedRect(QRectF(7, 2.5, 10, in ? 11 : 8), 1.5, 1.5);
    p.drawLine(QPointF(4, in ? 13.5 : 10.5), QPointF(20, in ? 13.5 : 10.5));
    p.drawLine(QPointF(12, in ? 13.5 : 10.5), QPointF(12, 21.5));
}

void topOn(QPainter& p) {
    pushPin(p, true);
}
void topOff(QPainter& p) {
    pushPin(p, false);
}

void back(QPainter& p) {
    // Back to the full window: a window with an arrow pointing out of it.
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 6.5, 15, 15));
    p.setPen(QPen(kAccent, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(10, 14), QPointF(21, 3));
    p.drawPolyline(QPolygonF({{13.5, 3}, {21, 3}, {21, 10.5}}));
}

void programGlyph(QPainter& p) {
    QLinearGradient g(0, 0, 0, 24);
    g.setColorAt(0, QColor(0x3b, 0x82, 0xf6));
    g.setColorAt(1, QColor(0x1d, 0x4e, 0xd8));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 5, 5);
    p.setPen(QPen(kLight, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal a = 5, b = 19, l = 4.5;
    p.drawPolyline(QPolygonF({{a, a + l}, {a, a}, {a + l, a}}));
    p.drawPolyline(QPolygonF({{b - l, a}, {b, a}, {b, a + l}}));
    p.drawPolyline(QPolygonF({{b, b - l}, {b, b}, {b - l, b}}));
    p.drawPolyline(QPolygonF({{a + l, b}, {a, b}, {a, b - l}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfb, 0xbf, 0x24));
    p.drawEllipse(QPointF(12, 12), 3.3, 3.3);
}

QPixmap render(const Painter& draw, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    draw(p);
    return pm;
}

const QHash<QString, Painter>& painters() {
    static const QHash<QString, Painter> table{
        {QStringLiteral("capture"), viewfinder},
        {QStringLiteral("mini"), mini},
        {QStringLiteral("tray"), tray},
        {QStringLiteral("position"), position},
        {QStringLiteral("config"), config},
        {QStringLiteral("help"), help},
        {QStringLiteral("about"), about},
        {QStringLiteral("save"), save},
        // The editor's tools.
        {QStringLiteral("pen"), pen},
        {QStringLiteral("bucket"), bucket},
        {QStringLiteral("text"), text},
        {QStringLiteral("stickers"), stickers},
        {QStringLiteral("growup"), growUp},
        {QStringLiteral("growdown"), growDown},
        {QStringLiteral("clipboard"), clipboard},
        {QStringLiteral("reset"), reset},
        {QStringLiteral("rotate"), rotate},
        {QStringLiteral("close"), closeCross},
        {QStringLiteral("top-on"), topOn},
        {QStringLiteral("top-off"), topOff},
        {QStringLiteral("back"), back},
    };
    return table;
}

}  // namespace

QPixmap programIconPixmap(int size) {
    return render(programGlyph, size);
}

void paintProgramIcon(QPainter& p) {
    programGlyph(p);
}

QIcon programIcon() {
    static const QIcon icon = [] {
        QIcon i;
        // The sizes a window icon is shown at by task lists, title bars and switchers. The
        // window manager is sent every size at each window's creation, so no larger ones: the
        // shortcuts' own icon file carries those.
        for (int size : {16, 24, 32, 48, 64}) {
            i.addPixmap(programIconPixmap(size));
        }
        return i;
    }();
    return icon;
}

QPixmap button(const QString& name, int size) {
    const auto it = painters().find(name);
    if (it != painters().end()) {
        return render(*it, size);
    }
    for (const ink::NamedPainter& tool : ink::canvasToolPainters()) {
        if (name == QLatin1String(tool.name)) {
            return render(tool.paint, size);
        }
    }
    return QPixmap();
}

}  // namespace pictures
