#pragma once
// A plain text grid: one text per cell, addressed by column and row from 0,
// drawn on picGrid, with one floating editor (txtEdit) moved over the cell
// being edited. The host configures counts, headers and edit flags, fills the
// cells with SetCellText and hears every edit through TextChange.
//
// Rows 0 to RowCount - 1 are drawn and edited; row RowCount is stored for the
// host but neither drawn nor edited. With ShowColumnHeaders the header band
// (one row high, button-face) stands above row 0. Columns share picGrid's
// width equally in whole twips, the remainder going to the last one.
//
// In the editor the arrow keys move the edit to the neighbouring cell within
// the grid (no wrap; a cell that may not be edited is not entered) and are not
// passed on. Tab and Shift+Tab are swallowed: neither becomes cell text nor
// moves the focus. Every other key is the editor's own. Losing the focus
// hides the editor.

#include "module/panels/UserControl.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QLineEdit;

namespace brisance {

class ControlPaint;

class TolvEditGrid : public UserControl {
    Q_OBJECT

public:
    explicit TolvEditGrid(QWidget* parent = nullptr);

    // Whether the cells of a row (0 to RowCount) or a column (0 to ColCount - 1)
    // may be edited; raises 9 (subscript out of range) for any other.
    void AllowRowEdit(std::int32_t lngRow, bool Edit);
    void AllowColEdit(std::int32_t lngCol, bool Edit);

    // The height of every row, the header band's included, in twips.
    std::int32_t RowHeight() const { return m_rowHeight; }
    void RowHeight(std::int32_t twips);
    // The number of drawn rows (at least 0) and of columns (at least 1); a let
    // makes every row (column) editable again and repaints. Raises 9 for a
    // smaller count, leaving the grid as it was.
    std::int32_t RowCount() const { return m_rowCount; }
    void RowCount(std::int32_t count);
    std::int32_t ColCount() const { return m_colCount; }
    void ColCount(std::int32_t count);
    bool ShowColumnHeaders() const { return m_showColumnHeaders; }
    void ShowColumnHeaders(bool show);
    // The header texts of columns 0, 1, 2 ..., separated by "|"; "" gives none.
    void SetColumnHeaders(const std::string& strHeaders);

    // Stores the cell's text (column below ColCount, row 0 to RowCount; any
    // other cell is ignored) and repaints it. On the cell being edited, the
    // editor shows the text with the caret after it, and no TextChange is raised.
    void SetCellText(std::int32_t Col, std::int32_t Row, const std::string& Text);
    // The stored text; "" for a cell never written.
    std::string GetCellText(std::int32_t Col, std::int32_t Row) const;
    // Drops every cell text (the editor's too); counts and edit flags stay.
    void ClearData();

signals:
    // The user changed the text of the cell being edited; the grid has stored it.
    void TextChange(std::int32_t Col, std::int32_t Row, const std::string& Text);
    // The user is about to edit a cell whose row and column may be edited; a
    // handler that sets Cancel keeps the grid as it is. Connect directly.
    void BeforeCellEdit(std::int32_t Col, std::int32_t Row, bool& Cancel);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Surface;

    struct CellSpan {
        int start;  // pixels
        int end;    // pixels, exclusive
    };

    // picGrid's side of the grid.
    void paintGrid(ControlPaint& paint) const;
    void gridPressed(QPointF at);
    void gridResized();

    // Shares picGrid's width out and re-places an open editor (or hides it
    // when its cell is no longer drawn).
    void layOut();
    void beginEdit(std::int32_t col, std::int32_t row);
    void editorTextChanged();
    bool editorKeyPressed(int key);
    void showInEditor(const std::string& text);

    CellSpan columnSpan(std::int32_t col) const;
    CellSpan rowSpan(std::int32_t row) const;  // a data row, below the header band
    std::int32_t headerRows() const { return m_showColumnHeaders ? 1 : 0; }
    bool isEditing(std::int32_t col, std::int32_t row) const { return col == m_editCol && row == m_editRow; }

    std::int32_t m_rowCount = 4;
    std::int32_t m_colCount = 15;
    std::int32_t m_rowHeight = 300;  // twips
    std::int32_t m_colWidth = 300;   // twips
    std::int32_t m_editCol = -1;
    std::int32_t m_editRow = -1;
    std::vector<bool> m_rowEdit;  // rows 0 to RowCount
    std::vector<bool> m_colEdit;  // columns 0 to ColCount - 1
    bool m_loading = false;
    std::map<std::pair<std::int32_t, std::int32_t>, std::string> m_cells;  // by (column, row)
    bool m_showColumnHeaders = false;
    std::vector<std::string> m_headers;

    Surface* picGrid;
    QLineEdit* txtEdit;
};

}  // namespace brisance
