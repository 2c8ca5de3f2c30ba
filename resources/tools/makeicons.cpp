// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's icon set. Run: oriventa_makeicons <resources directory>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor Ink(21, 66, 139);
const QColor Sky(141, 178, 227);
const QColor Green(46, 148, 76);
const QColor Red(200, 58, 52);
const QColor Amber(227, 170, 60);

// Every glyph is drawn on a 64 x 64 canvas and scaled to the requested size.
QImage draw(int size, const std::function<void(QPainter &)> &glyph)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    glyph(p);
    return image;
}

void disc(QPainter &p, const QColor &color)
{
    QLinearGradient g(0, 4, 0, 60);
    g.setColorAt(0, color.lighter(130));
    g.setColorAt(1, color);
    p.setPen(QPen(color.darker(130), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(5, 5, 54, 54));
}

void stroke(QPainter &p, const QColor &color, qreal width, const QPainterPath &path)
{
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath line(QPointF a, QPointF b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

void add(QPainter &p)
{
    disc(p, Green);
    stroke(p, Qt::white, 7, line({32, 18}, {32, 46}));
    stroke(p, Qt::white, 7, line({18, 32}, {46, 32}));
}

void removeGlyph(QPainter &p)
{
    disc(p, Red);
    stroke(p, Qt::white, 7, line({20, 20}, {44, 44}));
    stroke(p, Qt::white, 7, line({44, 20}, {20, 44}));
}

void ok(QPainter &p)
{
    disc(p, Green);
    QPainterPath tick({17, 33});
    tick.lineTo(28, 44);
    tick.lineTo(47, 22);
    stroke(p, Qt::white, 7, tick);
}

void edit(QPainter &p)
{
    p.translate(32, 32);
    p.rotate(45);
    p.setPen(QPen(Ink, 2));
    p.setBrush(Amber);
    p.drawRect(QRectF(-7, -26, 14, 36));
    p.setBrush(Sky);
    p.drawRect(QRectF(-7, -30, 14, 7));
    QPainterPath tip({-7, 10});
    tip.lineTo(7, 10);
    tip.lineTo(0, 24);
    tip.closeSubpath();
    p.setBrush(QColor(245, 222, 179));
    p.drawPath(tip);
    p.setBrush(Ink);
    QPainterPath lead({-2.5, 19});
    lead.lineTo(2.5, 19);
    lead.lineTo(0, 24);
    lead.closeSubpath();
    p.drawPath(lead);
}

void view(QPainter &p)
{
    p.setPen(QPen(Ink, 3));
    p.setBrush(QColor(237, 243, 252));
    p.drawEllipse(QRectF(8, 8, 34, 34));
    stroke(p, Ink, 8, line({39, 39}, {55, 55}));
    stroke(p, Sky, 3, line({17, 25}, {33, 25}));
    stroke(p, Sky, 3, line({17, 32}, {28, 32}));
    stroke(p, Sky, 3, line({17, 18}, {33, 18}));
}

void settings(QPainter &p)
{
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / teeth;
        const qreal a1 = (i + 0.5) * M_PI / teeth;
        const qreal r = (i % 2 == 0) ? 28 : 21;
        const QPointF p0(32 + r * qCos(a0), 32 + r * qSin(a0));
        const QPointF p1(32 + r * qCos(a1), 32 + r * qSin(a1));
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(32, 32), 9, 9);
    QLinearGradient g(0, 4, 0, 60);
    g.setColorAt(0, Sky.lighter(115));
    g.setColorAt(1, Ink);
    p.setPen(QPen(Ink.darker(120), 2));
    p.setBrush(g);
    p.drawPath(gear.subtracted(hole));
}

void social(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(59, 89, 152));
    p.drawRoundedRect(QRectF(6, 6, 52, 52), 10, 10);
    // A lower-case "f" made of strokes so that no font is needed.
    QPainterPath f({40, 17});
    f.cubicTo(33, 14, 29, 19, 29, 25);
    f.lineTo(29, 58);
    stroke(p, Qt::white, 7, f);
    stroke(p, Qt::white, 6, line({21, 33}, {41, 33}));
}

void arrow(QPainter &p, bool right)
{
    if (!right) {
        p.translate(64, 0);
        p.scale(-1, 1);
    }
    QPainterPath shape({8, 24});
    shape.lineTo(32, 24);
    shape.lineTo(32, 11);
    shape.lineTo(56, 32);
    shape.lineTo(32, 53);
    shape.lineTo(32, 40);
    shape.lineTo(8, 40);
    shape.closeSubpath();
    QLinearGradient g(0, 11, 0, 53);
    g.setColorAt(0, Sky.lighter(110));
    g.setColorAt(1, Ink);
    p.setPen(QPen(Ink.darker(120), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(shape);
}

// The program: a calendar leaf with a bell.
void program(QPainter &p)
{
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(250, 252, 255));
    p.drawRoundedRect(QRectF(6, 9, 52, 49), 7, 7);
    QPainterPath band;
    band.addRoundedRect(QRectF(6, 9, 52, 15), 7, 7);
    band.addRect(QRectF(6, 17, 52, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawPath(band.simplified());
    stroke(p, Ink, 4, line({19, 5}, {19, 14}));
    stroke(p, Ink, 4, line({45, 5}, {45, 14}));
    QPainterPath bell({22, 49});
    bell.cubicTo(26, 45, 24, 29, 32, 29);
    bell.cubicTo(40, 29, 38, 45, 42, 49);
    bell.closeSubpath();
    p.setPen(QPen(Amber.darker(140), 1.5));
    p.setBrush(Amber);
    p.drawPath(bell);
    p.drawEllipse(QPointF(32, 51.5), 3, 3);
}

bool save(const QImage &image, const QString &path, const char *format)
{
    QImageWriter writer(path, format);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources directory>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char *, std::function<void(QPainter &)>> icons[] = {
        {"add.png", add},
        {"edit.png", edit},
        {"remove.png", removeGlyph},
        {"view.png", view},
        {"settings.png", settings},
        {"facebook.png", social},
        {"right.png", [](QPainter &p) { arrow(p, true); }},
        {"left.png", [](QPainter &p) { arrow(p, false); }},
        {"ok.png", ok},
        {"icon.png", program},
    };
    bool good = true;
    for (const auto &icon : icons) {
        const int size = QByteArray(icon.first) == "icon.png" ? 256 : 64;
        good = save(draw(size, icon.second), out.filePath(QString::fromLatin1(icon.first)), "png") && good;
    }
    // The window icon: the program drawn small enough for an ICO entry.
    good = save(draw(64, program), out.filePath(QStringLiteral("icon.ico")), "ico") && good;
    // The desktop's icon theme: drawn at each size rather than scaled, so small ones stay sharp.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        out.mkpath(dir);
        good = save(draw(size, program), out.filePath(dir + QStringLiteral("/oriventa.png")), "png") && good;
    }
    return good ? 0 : 1;
}
