// Draws the About box picture, about.png (160 x 243 pixels): a piece of bare
// board under the two needles of a flying-probe tester, with the program's
// name below. Run once by hand when the picture should change:
//   nodewick_draw_about_picture src/ui/resources/about.png
// The PNG is committed; the program itself only loads it.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <cstdio>
#include <initializer_list>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 243;

const QColor kBoard(18, 92, 52);
const QColor kBoardDark(10, 58, 33);
const QColor kCopper(214, 170, 72);
const QColor kCopperDark(150, 110, 40);
const QColor kSteel(205, 210, 218);
const QColor kSteelDark(110, 116, 128);

void DrawBoard(QPainter& painter, const QRectF& board)
{
    QLinearGradient fill(board.topLeft(), board.bottomRight());
    fill.setColorAt(0.0, kBoard);
    fill.setColorAt(1.0, kBoardDark);
    painter.setPen(QPen(kBoardDark.darker(130), 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(board, 6, 6);
}

void DrawTrack(QPainter& painter, std::initializer_list<QPointF> corners)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kCopper, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF(QList<QPointF>(corners)));
}

void DrawTraces(QPainter& painter)
{
    DrawTrack(painter, {{36, 120}, {36, 140}, {64, 168}, {112, 168}});
    DrawTrack(painter, {{124, 112}, {124, 136}, {96, 136}, {80, 152}});
    DrawTrack(painter, {{20, 184}, {140, 184}});
}

// The tester's gantry the needles hang from.
void DrawGantry(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSteelDark);
    painter.drawRect(QRectF(0, 2, kWidth, 6));
    painter.setBrush(kSteelDark.darker(130));
    painter.drawRoundedRect(QRectF(38, 0, 24, 14), 3, 3);
    painter.drawRoundedRect(QRectF(98, 0, 24, 14), 3, 3);
}

void DrawPad(QPainter& painter, QPointF centre, bool square)
{
    painter.setPen(QPen(kCopperDark, 1));
    painter.setBrush(kCopper);
    const QRectF outline(centre.x() - 7, centre.y() - 7, 14, 14);
    if (square)
        painter.drawRect(outline);
    else
        painter.drawEllipse(outline);
    painter.setBrush(kBoardDark);
    painter.drawEllipse(centre, 2.5, 2.5);
}

void DrawVia(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(kCopperDark, 1));
    painter.setBrush(kCopper);
    painter.drawEllipse(centre, 4.5, 4.5);
    painter.setBrush(kBoardDark);
    painter.drawEllipse(centre, 1.5, 1.5);
}

// A tester needle coming down at an angle and touching the point.
void DrawProbe(QPainter& painter, QPointF tip, double lean)
{
    const QPointF top(tip.x() + lean, 8);
    QPolygonF needle;
    needle << tip << QPointF(top.x() - 4, top.y() + 40) << QPointF(top.x() - 4, top.y())
           << QPointF(top.x() + 4, top.y()) << QPointF(top.x() + 4, top.y() + 40);
    QLinearGradient shine(top.x() - 4, 0, top.x() + 4, 0);
    shine.setColorAt(0.0, kSteelDark);
    shine.setColorAt(0.5, kSteel);
    shine.setColorAt(1.0, kSteelDark);
    painter.setPen(QPen(kSteelDark.darker(140), 1));
    painter.setBrush(shine);
    painter.drawPolygon(needle);
    painter.setBrush(QColor(255, 240, 150, 170));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(tip, 3, 3);
}

void DrawName(QPainter& painter)
{
    painter.setPen(QColor(0, 0, 192));
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(20);
    name.setBold(true);
    painter.setFont(name);
    painter.drawText(QRectF(0, 200, kWidth, 24), Qt::AlignCenter, QStringLiteral("Nodewick"));
    QFont format(QStringLiteral("DejaVu Sans"));
    format.setPixelSize(11);
    painter.setFont(format);
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(QRectF(0, 222, kWidth, 16), Qt::AlignCenter, QStringLiteral("IPC-D-356A"));
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: nodewick_draw_about_picture OUTPUT.png\n", stderr);
        return 2;
    }
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(QColor(240, 240, 236));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBoard(painter, QRectF(8, 96, 144, 100));
    DrawTraces(painter);
    DrawPad(painter, {36, 120}, true);
    DrawPad(painter, {112, 168}, false);
    DrawPad(painter, {124, 112}, false);
    DrawPad(painter, {20, 184}, true);
    DrawPad(painter, {140, 184}, false);
    DrawVia(painter, {80, 152});
    DrawVia(painter, {64, 168});
    DrawGantry(painter);
    DrawProbe(painter, {36, 120}, 14);
    DrawProbe(painter, {124, 112}, -14);
    DrawName(painter);
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
