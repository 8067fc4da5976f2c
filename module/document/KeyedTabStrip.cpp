#include "module/document/KeyedTabStrip.h"

#include "platform/ui/Twips.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace brisance {

namespace {

// The frame's width around the client area, in pixels.
constexpr int kFrameWidth = 2;

using platform::ui::pixelsToTwipsX;
using platform::ui::pixelsToTwipsY;
using platform::ui::twipsToPixelsX;
using platform::ui::twipsToPixelsY;

}  // namespace

KeyedTabStrip::KeyedTabStrip(const std::vector<std::string>& keys, QWidget* parent)
    : QWidget(parent), m_tabs(new QTabBar(this)), m_keys(keys)
{
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    for (const std::string& key : keys)
        m_tabs->addTab(QString::fromStdString(key));
    connect(m_tabs, &QTabBar::currentChanged, this, [this] { emit Click(); });
}

int KeyedTabStrip::Top() const { return pixelsToTwipsY(y()); }
void KeyedTabStrip::Top(int twips) { move(x(), twipsToPixelsY(twips)); }
int KeyedTabStrip::Left() const { return pixelsToTwipsX(x()); }
void KeyedTabStrip::Left(int twips) { move(twipsToPixelsX(twips), y()); }
int KeyedTabStrip::Width() const { return pixelsToTwipsX(width()); }
void KeyedTabStrip::Width(int twips) { resize(std::max(0, twipsToPixelsX(twips)), height()); }
int KeyedTabStrip::Height() const { return pixelsToTwipsY(height()); }
void KeyedTabStrip::Height(int twips) { resize(width(), std::max(0, twipsToPixelsY(twips))); }

QRect KeyedTabStrip::ClientRect() const
{
    const int top = m_tabs->sizeHint().height();
    return QRect(kFrameWidth, top + kFrameWidth, std::max(0, width() - 2 * kFrameWidth),
                 std::max(0, height() - top - 2 * kFrameWidth));
}

int KeyedTabStrip::ClientTop() const { return pixelsToTwipsY(y() + ClientRect().top()); }
int KeyedTabStrip::ClientLeft() const { return pixelsToTwipsX(x() + ClientRect().left()); }
int KeyedTabStrip::ClientWidth() const { return pixelsToTwipsX(ClientRect().width()); }
int KeyedTabStrip::ClientHeight() const { return pixelsToTwipsY(ClientRect().height()); }

int KeyedTabStrip::SelectedIndex() const
{
    return m_tabs->currentIndex();
}

std::string KeyedTabStrip::SelectedKey() const
{
    const int index = m_tabs->currentIndex();
    return index >= 0 ? m_keys.at(static_cast<std::size_t>(index)) : std::string();
}

void KeyedTabStrip::Select(const std::string& key)
{
    const auto found = std::find(m_keys.begin(), m_keys.end(), key);
    if (found != m_keys.end())
        m_tabs->setCurrentIndex(static_cast<int>(found - m_keys.begin()));
}

std::string KeyedTabStrip::Caption(int index) const
{
    return m_tabs->tabText(index).toStdString();
}

void KeyedTabStrip::Caption(int index, const std::string& caption)
{
    m_tabs->setTabText(index, QString::fromStdString(caption));
}

void KeyedTabStrip::resizeEvent(QResizeEvent*)
{
    m_tabs->setGeometry(0, 0, width(), m_tabs->sizeHint().height());
}

void KeyedTabStrip::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, m_tabs->sizeHint().height(), width(), height() - m_tabs->sizeHint().height());
    frame.lineWidth = kFrameWidth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace brisance
