#pragma once
// A flat scroll bar, as the document's fsbHortizontal and fsbVertical are:
// 16-bit Value, Max, LargeChange and SmallChange, from 0 to Max; a change of
// the value, by the user or by code, raises Change.

#include <QScrollBar>

#include <cstdint>

namespace brisance {

class FlatScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit FlatScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    std::int16_t Value() const { return static_cast<std::int16_t>(value()); }
    void Value(std::int16_t value) { setValue(value); }
    std::int16_t Max() const { return static_cast<std::int16_t>(maximum()); }
    void Max(std::int16_t max) { setMaximum(max); }
    std::int16_t LargeChange() const { return static_cast<std::int16_t>(pageStep()); }
    void LargeChange(std::int16_t change) { setPageStep(change); }
    std::int16_t SmallChange() const { return static_cast<std::int16_t>(singleStep()); }
    void SmallChange(std::int16_t change) { setSingleStep(change); }

signals:
    void Change(std::int16_t Value);
};

}  // namespace brisance
