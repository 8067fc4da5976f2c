#pragma once
// Choosing a combo-box entry as the user does from the keyboard: the first
// entry, then down to the row. (Qt's offscreen platform does not let a test's
// click on an open combo list through, so the keyboard stands in.)

#include <QComboBox>
#include <QTest>

namespace brisance::testing {

inline void ChooseEntry(QComboBox& combo, int row)
{
    combo.show();
    QTest::keyClick(&combo, Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        QTest::keyClick(&combo, Qt::Key_Down);
}

}  // namespace brisance::testing
