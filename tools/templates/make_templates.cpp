// SPDX-License-Identifier: GPL-3.0-or-later
// make_templates: draws the empty "smile" template pictures that the application
// puts into free picture slots when a model is chosen.
//
//   make_templates <output folder>
//
// writes <output folder>/Modelli/<case family>/<name>.jpg. Every picture is drawn
// at 6 pixels per millimetre of the cover it stands for, so its pixel proportions
// are those of the cover. Covers with a back, a spine and a front side by side
// have the spine in the middle of the picture (the spine title is drawn on the
// picture's middle line); the slim covers are cut from a full box picture, the
// 14 mm strip in the middle being the spine and the outer 129.8 mm the back and
// the front, so their pictures keep that full box layout.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPixelsPerMm = 6.0;
constexpr int kJpegQuality = 85;

int px(double mm) { return static_cast<int>(std::lround(mm * kPixelsPerMm)); }

enum class PanelKind { Back, Spine, Front, Inside };

// One vertical band of a cover picture, in pixels.
struct Panel {
    PanelKind kind;
    int left;
    int right;
    QString label;
    int width() const { return right - left; }
    double centre() const { return (left + right) / 2.0; }
};

struct Palette {
    QColor top;     // background gradient, top left
    QColor bottom;  // background gradient, bottom right
    QColor spine;   // tint laid over the spine strips
};

// Face colours, the same on every template.
const QColor kFaceLight(255, 244, 170);
const QColor kFaceMid(255, 222, 110);
const QColor kFaceEdge(245, 196, 80);
const QColor kFaceOutline(214, 160, 60);
const QColor kFeature(74, 59, 51);
const QColor kCheek(255, 110, 150, 75);
const QColor kGuide(100, 100, 125, 115);
const QColor kLabel(120, 120, 140, 140);

QFont labelFont(double heightMm)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(8, px(heightMm)));
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.35 * kPixelsPerMm);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPen guidePen()
{
    QPen pen(kGuide);
    const double w = std::max(1.0, 0.3 * kPixelsPerMm);
    pen.setWidthF(w);
    pen.setCapStyle(Qt::FlatCap);
    // 3 mm dashes, 2 mm gaps (the pattern is in units of the pen width).
    pen.setDashPattern({3.0 * kPixelsPerMm / w, 2.0 * kPixelsPerMm / w});
    return pen;
}

void fillBackground(QPainter &p, const QRectF &r, const Palette &pal)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, pal.top);
    g.setColorAt(1.0, pal.bottom);
    p.fillRect(r, g);
    // A soft light glow in the upper part keeps the picture airy.
    QRadialGradient glow(QPointF(r.left() + r.width() * 0.35, r.top() + r.height() * 0.2),
                         std::max(r.width(), r.height()) * 0.7);
    glow.setColorAt(0.0, QColor(255, 255, 255, 90));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(r, glow);
}

// Translucent round "bubbles" inside a panel: (x, y) and radius are fractions
// of the panel's width, height and smaller side.
struct Bubble {
    double x, y, r;
    int alpha;
};

void drawBubbles(QPainter &p, const QRectF &area, const QVector<Bubble> &bubbles)
{
    p.save();
    p.setClipRect(area);
    p.setPen(Qt::NoPen);
    const double side = std::min(area.width(), area.height());
    for (const Bubble &b : bubbles) {
        const QPointF c(area.left() + area.width() * b.x, area.top() + area.height() * b.y);
        const double r = side * b.r;
        QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.3), r * 1.3);
        g.setColorAt(0.0, QColor(255, 255, 255, b.alpha));
        g.setColorAt(1.0, QColor(255, 255, 255, b.alpha / 3));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    p.restore();
}

void drawSpineTint(QPainter &p, const QRectF &r, const QColor &tint)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    QColor edge = tint;
    edge.setAlpha(std::min(255, tint.alpha() + 25));
    g.setColorAt(0.0, edge);
    g.setColorAt(0.5, tint);
    g.setColorAt(1.0, edge);
    p.fillRect(r, g);
}

void drawVerticalGuide(QPainter &p, double x, int height)
{
    p.save();
    p.setPen(guidePen());
    p.drawLine(QPointF(x, 0), QPointF(x, height));
    p.restore();
}

// Small label centred at the bottom of a panel.
void drawBottomLabel(QPainter &p, const Panel &panel, int height, const QString &text)
{
    if (text.isEmpty())
        return;
    p.save();
    const QFont f = labelFont(2.4);
    p.setFont(f);
    p.setPen(kLabel);
    const QFontMetricsF fm(f);
    const double tw = fm.horizontalAdvance(text);
    p.drawText(QPointF(panel.centre() - tw / 2.0, height - 4.0 * kPixelsPerMm), text);
    p.restore();
}

// Small label written upwards near the bottom of a spine strip.
void drawSpineLabel(QPainter &p, const Panel &panel, int height, const QString &text)
{
    if (text.isEmpty())
        return;
    p.save();
    const QFont f = labelFont(std::min(2.2, panel.width() / kPixelsPerMm * 0.3));
    p.setFont(f);
    p.setPen(kLabel);
    const QFontMetricsF fm(f);
    p.translate(panel.centre(), height - 4.0 * kPixelsPerMm);
    p.rotate(-90);
    p.drawText(QPointF(0, (fm.ascent() - fm.descent()) / 2.0), text);
    p.restore();
}

void drawEyesAndSmile(QPainter &p, const QPointF &c, double r, double eyeDx, double eyeDy,
                      double eyeRx, double eyeRy, double smileRadius, double smileDy,
                      double smileWidth, double cheekDx, double cheekDy)
{
    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    for (int side : {-1, 1})
        p.drawEllipse(QPointF(c.x() + side * cheekDx * r, c.y() + cheekDy * r), 0.13 * r, 0.085 * r);

    // Eyes with a small light spot.
    for (int side : {-1, 1}) {
        const QPointF e(c.x() + side * eyeDx * r, c.y() + eyeDy * r);
        p.setBrush(kFeature);
        p.drawEllipse(e, eyeRx * r, eyeRy * r);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawEllipse(QPointF(e.x() - eyeRx * r * 0.35, e.y() - eyeRy * r * 0.4), eyeRx * r * 0.38,
                      eyeRx * r * 0.38);
    }

    // Smile: the lower arc of a circle.
    QPen smile(kFeature);
    smile.setWidthF(smileWidth * r);
    smile.setCapStyle(Qt::RoundCap);
    p.setPen(smile);
    p.setBrush(Qt::NoBrush);
    const double sr = smileRadius * r;
    const QRectF arcRect(c.x() - sr, c.y() + smileDy * r - sr, 2 * sr, 2 * sr);
    p.drawArc(arcRect, 205 * 16, 130 * 16);
}

// A round smiling face of radius r centred at c, with a soft shadow below.
void drawSmiley(QPainter &p, const QPointF &c, double r, int opacityPercent = 100)
{
    p.save();
    p.setOpacity(opacityPercent / 100.0);
    p.setRenderHint(QPainter::Antialiasing);

    // Shadow on the "ground".
    {
        const QPointF sc(c.x(), c.y() + r * 1.12);
        QRadialGradient g(sc, r * 0.85);
        g.setColorAt(0.0, QColor(60, 60, 90, 55));
        g.setColorAt(1.0, QColor(60, 60, 90, 0));
        p.save();
        p.translate(sc);
        p.scale(1.0, 0.16);
        p.translate(-sc);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(sc, r * 0.85, r * 0.85);
        p.restore();
    }

    // Face.
    QRadialGradient face(QPointF(c.x() - r * 0.3, c.y() - r * 0.35), r * 1.35);
    face.setColorAt(0.0, kFaceLight);
    face.setColorAt(0.55, kFaceMid);
    face.setColorAt(1.0, kFaceEdge);
    QPen outline(kFaceOutline);
    outline.setWidthF(r * 0.035);
    p.setPen(outline);
    p.setBrush(face);
    p.drawEllipse(c, r, r);

    drawEyesAndSmile(p, c, r, 0.34, -0.2, 0.085, 0.135, 0.56, -0.04, 0.075, 0.56, 0.14);
    p.restore();
}

// ----- Cover pictures ------------------------------------------------------------

struct CoverLayout {
    QString path;     // relative to the output folder
    double widthMm;
    double heightMm;
    Palette palette;
    QVector<Panel> panels;
};

QVector<Panel> backSpineFront(double widthMm, double spineMm, const QString &spineLabel)
{
    const double spineLeftMm = (widthMm - spineMm) / 2.0;
    const int w = px(widthMm);
    const int sl = px(spineLeftMm);
    const int sr = px(spineLeftMm + spineMm);
    return {{PanelKind::Back, 0, sl, QStringLiteral("BACK")},
            {PanelKind::Spine, sl, sr, spineLabel},
            {PanelKind::Front, sr, w, QStringLiteral("FRONT")}};
}

const QVector<Bubble> kBackBubbles = {
    {0.22, 0.20, 0.20, 70}, {0.80, 0.38, 0.12, 60}, {0.30, 0.72, 0.10, 55}, {0.70, 0.86, 0.22, 50}};
const QVector<Bubble> kFrontBubbles = {{0.08, 0.92, 0.16, 50}, {0.93, 0.08, 0.10, 55}};

void drawCover(QImage &img, const CoverLayout &cover)
{
    const int w = img.width();
    const int h = img.height();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    fillBackground(p, QRectF(0, 0, w, h), cover.palette);

    for (const Panel &panel : cover.panels) {
        const QRectF area(panel.left, 0, panel.width(), h);
        switch (panel.kind) {
        case PanelKind::Back:
        case PanelKind::Inside:
            drawBubbles(p, area, kBackBubbles);
            break;
        case PanelKind::Front:
            drawBubbles(p, area, kFrontBubbles);
            break;
        case PanelKind::Spine:
            drawSpineTint(p, area, cover.palette.spine);
            break;
        }
    }

    // Guides on every boundary between two panels.
    for (int i = 1; i < cover.panels.size(); ++i)
        drawVerticalGuide(p, cover.panels[i].left, h);

    for (const Panel &panel : cover.panels) {
        if (panel.kind == PanelKind::Spine)
            drawSpineLabel(p, panel, h, panel.label);
        else
            drawBottomLabel(p, panel, h, panel.label);
    }

    // The face sits on the front, a little below the middle so that the cover
    // title, drawn in the upper part of the front, stays clear of it.
    const Panel *front = nullptr;
    const Panel *back = nullptr;
    for (const Panel &panel : cover.panels) {
        if (panel.kind == PanelKind::Front)
            front = &panel;
        else if (panel.kind == PanelKind::Back && !back)
            back = &panel;
    }
    if (front) {
        const double r = std::min(front->width() * 0.30, h * 0.26);
        drawSmiley(p, QPointF(front->centre(), h * 0.56), r);
    } else if (back) {
        // A back card alone: a smaller, quieter face in the middle.
        const double r = std::min(back->width() * 0.2, h * 0.2);
        drawSmiley(p, QPointF(back->centre(), h * 0.5), r, 70);
    }
}

// ----- Disc face ----------------------------------------------------------------

void drawDisc(QImage &img, const Palette &pal, double diameterMm)
{
    const int w = img.width();
    const int h = img.height();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    fillBackground(p, QRectF(0, 0, w, h), pal);

    const QPointF c(w / 2.0, h / 2.0);
    const double R = std::min(w, h) / 2.0 - 1.0;
    const double mmToPx = kPixelsPerMm * (std::min(w, h) / (diameterMm * kPixelsPerMm));

    // The disc is the face.
    QRadialGradient face(QPointF(c.x() - R * 0.3, c.y() - R * 0.35), R * 1.4);
    face.setColorAt(0.0, kFaceLight);
    face.setColorAt(0.55, kFaceMid);
    face.setColorAt(1.0, kFaceEdge);
    QPen outline(kFaceOutline);
    outline.setWidthF(0.4 * mmToPx);
    p.setPen(outline);
    p.setBrush(face);
    p.drawEllipse(c, R, R);

    // A soft light sheen along the upper left rim.
    {
        QPainterPath disc;
        disc.addEllipse(c, R, R);
        p.save();
        p.setClipPath(disc);
        QRadialGradient sheen(QPointF(c.x() - R * 0.45, c.y() - R * 0.55), R * 0.7);
        sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
        sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(0, 0, w, h), sheen);
        p.restore();
    }

    // Hub: the clear ring around the hole, marked by a dashed guide, and the hole.
    const double hubR = 18.0 * mmToPx;
    const double holeR = 7.5 * mmToPx;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(c, hubR, hubR);
    p.setPen(guidePen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, hubR, hubR);
    QPen holeEdge(QColor(170, 170, 185));
    holeEdge.setWidthF(0.35 * mmToPx);
    p.setPen(holeEdge);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c, holeR, holeR);

    // Eyes above the hub, smile below it.
    drawEyesAndSmile(p, c, R, 0.30, -0.40, 0.065, 0.10, 0.58, 0.0, 0.055, 0.58, 0.10);
}

// ----- Output --------------------------------------------------------------------

bool save(const QImage &img, const QString &outDir, const QString &relPath)
{
    const QString full = QDir(outDir).filePath(relPath);
    if (!QDir().mkpath(QFileInfo(full).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(full));
        return false;
    }
    QImageWriter writer(full, "jpeg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(img)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(full),
                     qPrintable(writer.errorString()));
        return false;
    }
    std::printf("%-55s %5d x %-5d %7lld bytes\n", qPrintable(relPath), img.width(), img.height(),
                static_cast<long long>(QFileInfo(full).size()));
    return true;
}

QImage newPicture(double widthMm, double heightMm)
{
    QImage img(px(widthMm), px(heightMm), QImage::Format_RGB32);
    img.fill(Qt::white);
    const int dpm = static_cast<int>(std::lround(kPixelsPerMm * 1000.0));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    // Text needs a font database, which needs a platform; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);

    // Palettes per case family.
    const Palette box{QColor(214, 232, 250), QColor(232, 220, 248), QColor(150, 160, 215, 60)};
    const Palette boxSlim{QColor(212, 244, 230), QColor(214, 232, 250), QColor(120, 180, 170, 60)};
    const Palette blueRay{QColor(208, 226, 255), QColor(224, 232, 252), QColor(110, 140, 220, 60)};
    const Palette slimBlueRay{QColor(210, 234, 252), QColor(214, 246, 238), QColor(110, 160, 210, 60)};
    const Palette cd{QColor(255, 226, 210), QColor(252, 218, 232), QColor(220, 140, 150, 55)};
    const Palette booklet{QColor(255, 230, 214), QColor(232, 222, 250), QColor(200, 150, 200, 55)};
    const Palette disc{QColor(238, 236, 252), QColor(250, 236, 242), QColor(0, 0, 0, 0)};
    const Palette vhs{QColor(236, 222, 250), QColor(252, 222, 234), QColor(180, 140, 210, 60)};
    const Palette psp{QColor(210, 244, 244), QColor(228, 246, 214), QColor(110, 180, 180, 60)};

    // The full box: 274 mm wide, its 14 mm spine strip in the middle; the slim
    // covers are cut from a picture of this layout.
    const double boxW = 274.0, boxH = 183.0, boxSpine = 14.0;

    const QVector<CoverLayout> covers = {
        {QStringLiteral("Modelli/Box/01 Empty Smile.jpg"), boxW, boxH, box,
         backSpineFront(boxW, boxSpine, QStringLiteral("SPINE"))},
        {QStringLiteral("Modelli/Box Slim/01 Empty Smile.jpg"), boxW, boxH, boxSlim,
         backSpineFront(boxW, boxSpine, QStringLiteral("SPINE"))},
        {QStringLiteral("Modelli/Box Blue-Ray/01 Empty Smile.jpg"), 270.0, 148.0, blueRay,
         backSpineFront(270.0, 13.0, QStringLiteral("SPINE"))},
        {QStringLiteral("Modelli/Box Slim Blue-Ray/01 Empty Smile 7 mm.jpg"), boxW, 148.0, slimBlueRay,
         backSpineFront(boxW, boxSpine, QStringLiteral("SPINE 7 mm"))},
        {QStringLiteral("Modelli/Box Slim Blue-Ray/02 Empty Smile 9 mm.jpg"), boxW, 148.0, slimBlueRay,
         backSpineFront(boxW, boxSpine, QStringLiteral("SPINE 9 mm"))},
        {QStringLiteral("Modelli/CD-DVD Front/01 Empty Smile.jpg"), 121.0, 120.0, cd,
         {{PanelKind::Front, 0, px(121.0), QStringLiteral("FRONT")}}},
        // Tray card: a 7 mm spine strip at each side of a 137 mm back.
        {QStringLiteral("Modelli/CD-DVD Back/01 Empty Smile.jpg"), 151.0, 118.0, cd,
         {{PanelKind::Spine, 0, px(7.0), QStringLiteral("SPINE")},
          {PanelKind::Back, px(7.0), px(144.0), QStringLiteral("BACK")},
          {PanelKind::Spine, px(144.0), px(151.0), QStringLiteral("SPINE")}}},
        // Booklet: the inside page on the left, the front on the right.
        {QStringLiteral("Modelli/CD-DVD Front and Inside/01 Empty Smile.jpg"), 242.0, 120.0, booklet,
         {{PanelKind::Inside, 0, px(121.0), QStringLiteral("INSIDE")},
          {PanelKind::Front, px(121.0), px(242.0), QStringLiteral("FRONT")}}},
        {QStringLiteral("Modelli/VHS/01 Empty Smile.jpg"), 235.0, 190.0, vhs,
         backSpineFront(235.0, 25.0, QStringLiteral("SPINE"))},
        {QStringLiteral("Modelli/PSP/01 Empty Smile.jpg"), 211.0, 173.0, psp,
         backSpineFront(211.0, 14.0, QStringLiteral("SPINE"))},
    };

    bool ok = true;
    for (const CoverLayout &cover : covers) {
        QImage img = newPicture(cover.widthMm, cover.heightMm);
        drawCover(img, cover);
        ok = save(img, outDir, cover.path) && ok;
    }

    {
        const double discMm = 117.0;
        QImage img = newPicture(discMm, discMm);
        drawDisc(img, disc, discMm);
        ok = save(img, outDir, QStringLiteral("Modelli/CD-DVD/01 Empty Smile.jpg")) && ok;
    }

    return ok ? 0 : 1;
}
