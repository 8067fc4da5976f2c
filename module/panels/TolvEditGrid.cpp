#include "module/panels/TolvEditGrid.h"

#include "module/panels/ControlColours.h"
#include "module/panels/ControlPaint.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"
#include "platform/gfx/Text.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace brisance {

namespace gfx = platform::gfx;
namespace ui = platform::ui;
namespace runtime = platform::runtime;

// picGrid: the surface the grid is drawn on and clicked in.
class TolvEditGrid::Surface : public UserControl {
public:
    explicit Surface(TolvEditGrid& grid) : UserControl(&grid), m_grid(grid)
    {
        setObjectName("picGrid");
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        ControlPaint paint(*this);
        m_grid.paintGrid(paint);
    }
    void mousePressEvent(QMouseEvent* event) override { m_grid.gridPressed(event->position()); }
    void resizeEvent(QResizeEvent*) override { m_grid.gridResized(); }

private:
    TolvEditGrid& m_grid;
};

TolvEditGrid::TolvEditGrid(QWidget* parent)
    : UserControl(parent),
      m_rowEdit(static_cast<std::size_t>(m_rowCount) + 1, false),
      m_colEdit(static_cast<std::size_t>(m_colCount), false),
      picGrid(new Surface(*this)),
      txtEdit(new QLineEdit(picGrid))
{
    txtEdit->setObjectName("txtEdit");
    txtEdit->setFrame(false);
    txtEdit->hide();
    txtEdit->installEventFilter(this);
    connect(txtEdit, &QLineEdit::textChanged, this, &TolvEditGrid::editorTextChanged);
}

void TolvEditGrid::AllowRowEdit(std::int32_t lngRow, bool Edit)
{
    if (lngRow < 0 || lngRow > m_rowCount)
        runtime::raise(runtime::errors::SubscriptOutOfRange);
    m_rowEdit[static_cast<std::size_t>(lngRow)] = Edit;
}

void TolvEditGrid::AllowColEdit(std::int32_t lngCol, bool Edit)
{
    if (lngCol < 0 || lngCol >= m_colCount)
        runtime::raise(runtime::errors::SubscriptOutOfRange);
    m_colEdit[static_cast<std::size_t>(lngCol)] = Edit;
}

void TolvEditGrid::RowHeight(std::int32_t twips)
{
    m_rowHeight = twips;
    layOut();
}

void TolvEditGrid::RowCount(std::int32_t count)
{
    if (count < 0)
        runtime::raise(runtime::errors::SubscriptOutOfRange);
    m_rowCount = count;
    m_rowEdit.assign(static_cast<std::size_t>(count) + 1, true);
    layOut();
}

void TolvEditGrid::ColCount(std::int32_t count)
{
    if (count < 1)
        runtime::raise(runtime::errors::SubscriptOutOfRange);
    m_colCount = count;
    m_colEdit.assign(static_cast<std::size_t>(count), true);
    layOut();
}

void TolvEditGrid::ShowColumnHeaders(bool show)
{
    m_showColumnHeaders = show;
    layOut();
}

void TolvEditGrid::SetColumnHeaders(const std::string& strHeaders)
{
    m_headers.clear();
    if (!strHeaders.empty()) {
        std::size_t start = 0;
        for (std::size_t bar = strHeaders.find('|'); bar != std::string::npos; bar = strHeaders.find('|', start)) {
            m_headers.push_back(strHeaders.substr(start, bar - start));
            start = bar + 1;
        }
        m_headers.push_back(strHeaders.substr(start));
    }
    picGrid->update();
}

void TolvEditGrid::SetCellText(std::int32_t Col, std::int32_t Row, const std::string& Text)
{
    if (Col < 0 || Col >= m_colCount || Row < 0 || Row > m_rowCount)
        return;
    m_cells[{Col, Row}] = Text;
    picGrid->update();
    if (isEditing(Col, Row))
        showInEditor(Text);
}

std::string TolvEditGrid::GetCellText(std::int32_t Col, std::int32_t Row) const
{
    const auto found = m_cells.find({Col, Row});
    return found == m_cells.end() ? std::string() : found->second;
}

void TolvEditGrid::ClearData()
{
    m_cells.clear();
    // The editor must not keep showing a text the grid no longer holds.
    showInEditor({});
    picGrid->update();
}

void TolvEditGrid::resizeEvent(QResizeEvent*)
{
    picGrid->setGeometry(rect());
}

bool TolvEditGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtEdit)
        return false;
    if (event->type() == QEvent::KeyPress)
        return editorKeyPressed(static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::FocusOut) {
        // A menu or another window taking the keyboard for a while is no move away.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            txtEdit->hide();
    }
    return false;
}

void TolvEditGrid::paintGrid(ControlPaint& paint) const
{
    const gfx::DcHandle dc = paint.dc();
    const gfx::Rect client = paint.clientRect();
    paint.fillRect(client, drawingColour(kWindowColour));
    const int headerBottom = rowSpan(0).start;
    if (m_showColumnHeaders)
        paint.fillRect({0, 0, client.right, headerBottom}, drawingColour(kButtonFaceColour));

    const gfx::ObjectHandle pen = gfx::createPen(gfx::PS_SOLID, 1, drawingColour(ForeColor()));
    const gfx::ObjectHandle previousPen = gfx::selectObject(dc, pen);
    // The boundaries of the header band and of every drawn row, then of every
    // column, the bottom and the right one at most on the last pixel so that
    // the grid is closed.
    const int bottom = std::min(rowSpan(m_rowCount).start, client.bottom - 1);
    for (std::int32_t row = -headerRows(); row <= m_rowCount; ++row) {
        const int y = std::min(rowSpan(row).start, bottom);
        gfx::moveToEx(dc, 0, y);
        gfx::lineTo(dc, client.right, y);
    }
    for (std::int32_t col = 0; col <= m_colCount; ++col) {
        const int x = col < m_colCount ? columnSpan(col).start : client.right - 1;
        gfx::moveToEx(dc, x, 0);
        gfx::lineTo(dc, x, bottom + 1);
    }
    gfx::selectObject(dc, previousPen);
    gfx::deleteObject(pen);

    constexpr unsigned kCentred = gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX;
    gfx::setTextColor(dc, drawingColour(ForeColor()));
    if (m_showColumnHeaders) {
        const std::size_t shown = std::min(m_headers.size(), static_cast<std::size_t>(m_colCount));
        for (std::size_t col = 0; col < shown; ++col) {
            const CellSpan x = columnSpan(static_cast<std::int32_t>(col));
            gfx::Rect cell{x.start + 1, 1, x.end, headerBottom};
            gfx::drawText(dc, m_headers[col], &cell, kCentred);
        }
    }
    for (const auto& [at, text] : m_cells) {
        const auto [col, row] = at;
        if (col >= m_colCount || row >= m_rowCount)
            continue;
        const CellSpan x = columnSpan(col);
        const CellSpan y = rowSpan(row);
        gfx::Rect cell{x.start + 1, y.start + 1, x.end, y.end};
        gfx::drawText(dc, text, &cell, kCentred);
    }
}

void TolvEditGrid::gridPressed(QPointF at)
{
    if (m_colWidth <= 0 || m_rowHeight <= 0)
        return;
    // In twips, as the design measures: a point on a boundary belongs to the
    // cell below and to the right of it.
    const double x = at.x() * ui::twipsPerPixelX();
    const double y = at.y() * ui::twipsPerPixelY() - headerRows() * m_rowHeight;
    const double width = ui::pixelsToTwipsX(picGrid->width());
    if (x < 0 || y < 0 || x >= width)
        return;
    const auto col = std::min(static_cast<std::int32_t>(x / m_colWidth), m_colCount - 1);
    const auto row = static_cast<std::int32_t>(y / m_rowHeight);
    if (row < m_rowCount)
        beginEdit(col, row);
}

void TolvEditGrid::gridResized()
{
    layOut();
}

void TolvEditGrid::layOut()
{
    m_colWidth = ui::pixelsToTwipsX(picGrid->width()) / m_colCount;
    if (txtEdit->isVisible()) {
        if (m_editCol < m_colCount && m_editRow < m_rowCount)
            beginEdit(m_editCol, m_editRow);
        else
            txtEdit->hide();
    }
    picGrid->update();
}

void TolvEditGrid::beginEdit(std::int32_t col, std::int32_t row)
{
    if (!m_rowEdit[static_cast<std::size_t>(row)] || !m_colEdit[static_cast<std::size_t>(col)])
        return;
    bool cancel = false;
    emit BeforeCellEdit(col, row, cancel);
    if (cancel)
        return;

    m_loading = true;
    txtEdit->clear();
    // One pixel inside the cell's grid lines.
    const CellSpan x = columnSpan(col);
    const CellSpan y = rowSpan(row);
    txtEdit->setGeometry(x.start + 1, y.start + 1, x.end - x.start - 1, y.end - y.start - 1);
    txtEdit->show();
    txtEdit->setText(QString::fromStdString(GetCellText(col, row)));
    m_editCol = col;
    m_editRow = row;
    m_loading = false;
    picGrid->update();

    if (txtEdit->isVisible()) {
        txtEdit->setFocus(Qt::MouseFocusReason);
        txtEdit->selectAll();
    }
}

void TolvEditGrid::editorTextChanged()
{
    if (m_loading || m_editCol < 0)
        return;
    const std::string text = txtEdit->text().toStdString();
    m_cells[{m_editCol, m_editRow}] = text;
    picGrid->update();
    emit TextChange(m_editCol, m_editRow, text);
}

bool TolvEditGrid::editorKeyPressed(int key)
{
    switch (key) {
    case Qt::Key_Down:
        if (m_editRow + 1 < m_rowCount)
            beginEdit(m_editCol, m_editRow + 1);
        return true;
    case Qt::Key_Up:
        if (m_editRow > 0)
            beginEdit(m_editCol, m_editRow - 1);
        return true;
    case Qt::Key_Right:
        if (m_editCol + 1 < m_colCount)
            beginEdit(m_editCol + 1, m_editRow);
        return true;
    case Qt::Key_Left:
        if (m_editCol > 0)
            beginEdit(m_editCol - 1, m_editRow);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default: return false;
    }
}

void TolvEditGrid::showInEditor(const std::string& text)
{
    m_loading = true;
    txtEdit->setText(QString::fromStdString(text));
    txtEdit->end(false);
    m_loading = false;
}

TolvEditGrid::CellSpan TolvEditGrid::columnSpan(std::int32_t col) const
{
    const int start = ui::twipsToPixelsX(col * m_colWidth);
    const int end = col == m_colCount - 1 ? picGrid->width() : ui::twipsToPixelsX((col + 1) * m_colWidth);
    return {start, end};
}

TolvEditGrid::CellSpan TolvEditGrid::rowSpan(std::int32_t row) const
{
    const std::int32_t shownRow = row + headerRows();
    return {ui::twipsToPixelsY(shownRow * m_rowHeight), ui::twipsToPixelsY((shownRow + 1) * m_rowHeight)};
}

}  // namespace brisance
