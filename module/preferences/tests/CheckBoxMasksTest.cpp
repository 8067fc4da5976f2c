#include "module/preferences/CheckBoxMasks.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <QCheckBox>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;
namespace errors = platform::runtime::errors;

// An option page with a group of tri-state check boxes; the indexes listed as
// missing have no box.
class Page {
public:
    explicit Page(int count, std::set<int> missing = {})
    {
        for (int i = 0; i < count; ++i) {
            QCheckBox* box = nullptr;
            if (!missing.contains(i)) {
                box = new QCheckBox(QString::number(i), &m_page);
                box->setTristate(true);
                box->move(0, 20 * i);
            }
            m_boxes.push_back(box);
        }
        m_page.show();
    }

    const std::vector<QCheckBox*>& boxes() const { return m_boxes; }

    // Clicks the box until it shows the state (a tri-state box goes
    // unticked, greyed, ticked).
    void ClickTo(int index, Qt::CheckState state)
    {
        for (int clicks = 0; clicks < 3 && m_boxes[index]->checkState() != state; ++clicks)
            QTest::mouseClick(m_boxes[index], Qt::LeftButton);
        ASSERT_EQ(m_boxes[index]->checkState(), state);
    }

    std::string States() const
    {
        std::string states;
        for (const QCheckBox* box : m_boxes)
            states += !box ? '-' : box->checkState() == Qt::Checked ? 'x' : box->checkState() == Qt::Unchecked ? '.' : '?';
        return states;
    }

private:
    QWidget m_page;
    std::vector<QCheckBox*> m_boxes;
};

TEST(CheckBoxMasks, TheTickedBoxesMakeTheMask)
{
    struct Case {
        const char* what;
        int count;
        std::set<int> ticked;
        std::set<int> greyed;
        std::set<int> missing;
        std::int32_t mask;
        std::int32_t error;
    };
    const Case cases[] = {
        {"none ticked", 4, {}, {}, {}, 0, 0},
        {"a greyed box is not ticked", 4, {}, {1}, {}, 0, 0},
        {"boxes 0, 2 and 3", 5, {0, 2, 3}, {1}, {}, 13, 0},
        {"the last bit that fits", 31, {30}, {}, {}, 1 << 30, 0},
        {"an unticked box at 31", 32, {0}, {}, {}, 1, 0},
        {"a ticked box at 31 overflows", 32, {0, 31}, {}, {}, 0, errors::Overflow},
        {"a missing box is passed over", 3, {0, 2}, {}, {1}, 5, 0},
    };
    for (const Case& c : cases) {
        Page page(c.count, c.missing);
        for (int index : c.ticked)
            page.ClickTo(index, Qt::Checked);
        for (int index : c.greyed)
            page.ClickTo(index, Qt::PartiallyChecked);
        std::int32_t mask = 0;
        EXPECT_EQ(errorNumberOf([&] { mask = CheckBoxesToMask(page.boxes()); }), c.error) << c.what;
        if (c.error == 0) {
            EXPECT_EQ(mask, c.mask) << c.what;
        }
    }
}

TEST(CheckBoxMasks, AMaskTicksExactlyItsBoxes)
{
    Page page(5);
    page.ClickTo(4, Qt::Checked);
    page.ClickTo(1, Qt::PartiallyChecked);
    MaskToCheckBoxes(page.boxes(), 13);
    EXPECT_EQ(page.States(), "x.xx.");

    MaskToCheckBoxes(page.boxes(), 0x7FFFFFE0 | 0x3);
    EXPECT_EQ(page.States(), "xx...") << "bits beyond the last box change nothing";
    EXPECT_EQ(CheckBoxesToMask(page.boxes()), 3) << "and are dropped when saved";

    MaskToCheckBoxes(page.boxes(), 0);
    EXPECT_EQ(page.States(), ".....");

    Page gap(4, {2});
    EXPECT_EQ(errorNumberOf([&] { MaskToCheckBoxes(gap.boxes(), 15); }), errors::ControlArrayElementMissing);
    EXPECT_EQ(gap.States(), "xx-.") << "the boxes before the gap are set";
}

}  // namespace
}  // namespace brisance
