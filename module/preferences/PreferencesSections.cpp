#include "module/preferences/PreferencesSections.h"

#include "platform/ui/Twips.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace brisance {

namespace ui = platform::ui;

namespace {

constexpr int kIconSize = 16;
constexpr int kRuleGapTwips = 100;
constexpr int kRuleRightMarginTwips = 250;

const QColor kInk(64, 64, 64);
const QColor kRuleGrey(128, 128, 128);

void DrawGraph(QPainter& p)
{
    p.setPen(kInk);
    p.drawLine(2, 1, 2, 14);
    p.drawLine(2, 14, 15, 14);
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    p.drawPolyline(QPolygonF({{3, 4}, {7, 6}, {10, 9}, {14, 12}}));
    p.setPen(QPen(QColor(0, 0, 200), 1.5));
    p.drawPolyline(QPolygonF({{3, 7}, {7, 8}, {10, 10}, {14, 11}}));
}

void DrawTable(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 14, 12);
    p.fillRect(2, 3, 13, 3, QColor(170, 190, 220));
    for (int y : {6, 10})
        p.drawLine(1, y, 15, y);
    for (int x : {6, 11})
        p.drawLine(x, 2, x, 14);
}

void DrawAverage(QPainter& p)
{
    const int heights[] = {8, 11, 6, 9};
    for (int i = 0; i < 4; ++i)
        p.fillRect(2 + 3 * i, 15 - heights[i], 2, heights[i], QColor(90, 130, 190));
    p.setPen(QPen(QColor(200, 0, 0), 1, Qt::DashLine));
    p.drawLine(1, 7, 15, 7);
}

void DrawNotes(QPainter& p)
{
    p.setPen(kInk);
    p.setBrush(QColor(255, 250, 200));
    p.drawRect(3, 1, 10, 14);
    p.setPen(QColor(120, 120, 120));
    for (int y = 4; y <= 12; y += 2)
        p.drawLine(5, y, 11, y);
}

void DrawPalette(QPainter& p)
{
    const QColor colours[] = {QColor(200, 0, 0), QColor(0, 0, 200), QColor(0, 150, 0), QColor(0, 0, 0)};
    for (int i = 0; i < 4; ++i) {
        const QRect square(1 + (i % 2) * 8, 1 + (i / 2) * 8, 6, 6);
        p.setPen(kInk);
        p.setBrush(colours[i]);
        p.drawRect(square);
    }
}

void DrawReflex(QPainter& p)
{
    QPainterPath wave;
    wave.moveTo(1, 8);
    for (int x = 1; x <= 15; x += 2)
        wave.lineTo(x, (x / 2) % 2 ? 4 : 12);
    p.setPen(QPen(QColor(0, 110, 160), 1.5));
    p.drawPath(wave);
}

void DrawTympanogram(QPainter& p)
{
    p.setPen(kInk);
    p.drawLine(1, 14, 15, 14);
    QPainterPath peak;
    peak.moveTo(1, 13);
    peak.cubicTo(6, 13, 6, 2, 8, 2);
    peak.cubicTo(10, 2, 10, 13, 15, 13);
    p.setPen(QPen(QColor(160, 0, 120), 1.5));
    p.drawPath(peak);
}

}  // namespace

QPixmap SectionIconPixmap(SectionIcon icon)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case SectionIcon::Graph: DrawGraph(painter); break;
    case SectionIcon::Table: DrawTable(painter); break;
    case SectionIcon::Average: DrawAverage(painter); break;
    case SectionIcon::Notes: DrawNotes(painter); break;
    case SectionIcon::Palette: DrawPalette(painter); break;
    case SectionIcon::Reflex: DrawReflex(painter); break;
    case SectionIcon::Tympanogram: DrawTympanogram(painter); break;
    }
    return pixmap;
}

void DrawSectionRule(QPainter& painter, const QLabel& heading, const QWidget& panel)
{
    const int y = heading.y() + (heading.height() + 1) / 2;
    const int x1 = heading.x() + heading.width() + ui::twipsToPixelsX(kRuleGapTwips);
    const int x2 = panel.width() - ui::twipsToPixelsX(kRuleRightMarginTwips);
    painter.setPen(kRuleGrey);
    painter.drawLine(x1, y, x2, y);
    painter.setPen(Qt::white);
    painter.drawLine(x1, y + 1, x2, y + 1);
}

void SectionPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const QLabel* heading : m_headings)
        DrawSectionRule(painter, *heading, *this);
}

}  // namespace brisance
