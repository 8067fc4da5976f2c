#include "module/document/FlatScrollBar.h"

namespace brisance {

FlatScrollBar::FlatScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
{
    setMinimum(0);
    connect(this, &QScrollBar::valueChanged, this, [this](int value) { emit Change(static_cast<std::int16_t>(value)); });
}

}  // namespace brisance
