#include "module/views/ctlTympanometry.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace brisance {
namespace {

constexpr std::int32_t kLeft = 3;
constexpr std::int32_t kRight = 2;
constexpr std::int32_t kBoth = 4;
using Reports = std::vector<std::int32_t>;

// A tympanometry panel as the impedance view sets it up, in a shown window,
// recording the ears it reports.
class TympanometryPanel : public ::testing::Test {
protected:
    TympanometryPanel() : panel(new ctlTympanometry(&window))
    {
        panel->PossibleTypes("Other,A,A(s),A(d),B,C,D,E,");
        panel->PossibleProbeToneFrequencies("Other,0,226,678,1000,");
        panel->EarLabel(kLeft, "Left");
        panel->EarLabel(kRight, "Right");
        window.resize(panel->size());
        QObject::connect(panel, &ctlTympanometry::DataChanged, [this](std::int32_t Ear) { reports.push_back(Ear); });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class T>
    T& child(const QString& name) const
    {
        T* found = panel->findChild<T*>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return *found;
    }
    // The box of a field in a column (0 the left one).
    QLineEdit& box(const char* field, int column) const
    {
        return child<QLineEdit>(QStringLiteral("txt%1%2").arg(field).arg(column));
    }
    QComboBox& types(int column) const { return child<QComboBox>(QStringLiteral("cboType%1").arg(column)); }
    QComboBox& probeTone() const { return child<QComboBox>("cboProbeToneFreq"); }

    // Empties the box and types into it as a user does; a text that starts
    // with "paste:" goes in from the clipboard.
    static void typeInto(QLineEdit& edit, const std::string& text)
    {
        edit.setFocus();
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        if (text.rfind("paste:", 0) == 0) {
            QApplication::clipboard()->setText(QString::fromStdString(text.substr(6)));
            QTest::keySequence(&edit, QKeySequence::Paste);
        } else {
            QTest::keyClicks(&edit, QString::fromStdString(text));
        }
    }

    Reports takeReports() { return std::exchange(reports, {}); }

    QWidget window;
    ctlTympanometry* panel;
    Reports reports;
};

struct FieldAccess {
    const char* name;  // of the boxes
    TympanogramField field;
    std::function<void(ctlTympanometry&, const std::string&)> let;
    std::function<std::string(const ctlTympanometry&)> get;
};

const FieldAccess kPressure{"PeakPressure", TympanogramField::PeakPressure,
                            [](ctlTympanometry& p, const std::string& v) { p.PeakPressure(kLeft, v); },
                            [](const ctlTympanometry& p) { return p.PeakPressure(kLeft); }};
const FieldAccess kVolume{"EarCanalVolume", TympanogramField::EarCanalVolume,
                          [](ctlTympanometry& p, const std::string& v) { p.EarCanalVolume(kLeft, v); },
                          [](const ctlTympanometry& p) { return p.EarCanalVolume(kLeft); }};
const FieldAccess kCompliance{"StaticCompliance", TympanogramField::StaticCompliance,
                              [](ctlTympanometry& p, const std::string& v) { p.StaticCompliance(kLeft, v); },
                              [](const ctlTympanometry& p) { return p.StaticCompliance(kLeft); }};
const FieldAccess kHeight{"PeakHeight", TympanogramField::PeakHeight,
                          [](ctlTympanometry& p, const std::string& v) { p.PeakHeight(kLeft, v); },
                          [](const ctlTympanometry& p) { return p.PeakHeight(kLeft); }};
const FieldAccess kGradient{"Gradient", TympanogramField::Gradient,
                            [](ctlTympanometry& p, const std::string& v) { p.Gradient(kLeft, v); },
                            [](const ctlTympanometry& p) { return p.Gradient(kLeft); }};

TEST_F(TympanometryPanel, FieldsShowAndGiveBackTheirValuesAndOnlyStorableOnesReachTheStore)
{
    constexpr std::int32_t kStored = 777;  // what the data held before
    const struct {
        const FieldAccess& access;
        std::string value;  // set through the let, or typed when it starts with "type:"
        std::string shown;
        std::string readBack;
        std::int32_t stored;  // what the view makes of the value read back
    } cases[] = {
        {kPressure, "-32767", "", "", -32767},
        {kVolume, "-32767", "", "-32767", -32767},
        {kCompliance, "-32767", "", "-32767", -32767},
        {kHeight, "-32767", "", "-32767", -32767},
        {kGradient, "-32767", "--", "-32767", -32767},
        {kPressure, "NP", "NP", "NP", 405},
        {kCompliance, "NP", "NP", "NP", 30811},
        {kHeight, "NP", "NP", "NP", 30811},
        {kPressure, "150", "150", "150", 150},
        {kVolume, "150", "1.5", "150", 150},
        {kHeight, "45", "0.45", "45", 45},
        {kGradient, "150", "150", "150", 150},
        {kPressure, "0", "0", "0", 0},
        {kVolume, "0", "0", "-32767", -32767},
        {kGradient, "0", "0", "-32767", -32767},
        {kGradient, "type:--", "--", "-32767", -32767},
        {kVolume, "type:2.35", "2.35", "235", 235},
        {kPressure, "type:-100", "-100", "-100", -100},
        // Out of range as stored: typed or scaled past 16 bits.
        {kVolume, "type:400", "400", "40000", kStored},
        {kCompliance, "type:-400", "-400", "-40000", kStored},
        {kPressure, "type:-99999", "-99999", "-99999", kStored},
        {kPressure, "type:99999", "9999", "9999", 9999},  // cut as it is typed
        {kVolume, "type:paste:1e999", "1e99", "1E+101", kStored},
        {kGradient, "type:paste:99999999999", "9999", "9999", 9999},
        {kVolume, "type:abc", "abc", "abc", kStored},
        {kPressure, "type:5x", "5x", "5x", kStored},
        {kGradient, "type:-", "-", "-", kStored},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.access.name) + " " + c.value);
        if (c.value.rfind("type:", 0) == 0)
            typeInto(box(c.access.name, 0), c.value.substr(5));
        else
            c.access.let(*panel, c.value);
        EXPECT_EQ(box(c.access.name, 0).text().toStdString(), c.shown);
        const std::string readBack = c.access.get(*panel);
        EXPECT_EQ(readBack, c.readBack);
        EXPECT_EQ(storedAfterEdit(c.access.field, kStored, readBack), c.stored);
    }
}

TEST_F(TympanometryPanel, TypeCodesSelectTheirEntriesAndReadBack)
{
    const struct {
        std::int32_t code;
        const char* shown;
        std::int32_t readBack;
    } cases[] = {
        {0, "Other", 0}, {1, "A", 1},  {2, "A(d)", 2}, {3, "A(s)", 3},  {4, "B", 4},
        {5, "C", 5},     {6, "D", 6},  {7, "E", 7},    {8, "Other", 0}, {-32767, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        panel->TympType(kRight, c.code);
        EXPECT_EQ(types(1).currentText().toStdString(), c.shown);
        EXPECT_EQ(panel->TympType(kRight), c.readBack);
    }
    EXPECT_EQ(types(0).itemText(7).toStdString(), "Other") << "the first entry given goes last";
    EXPECT_EQ(types(0).count(), 8);
}

TEST_F(TympanometryPanel, EditsReportTheirColumnsEarAndNothingWhileEventsAreOff)
{
    typeInto(box("Gradient", 0), "12");
    EXPECT_EQ(takeReports(), (Reports{kLeft, kLeft})) << "one report a keystroke";
    typeInto(box("PeakHeight", 1), "5");
    EXPECT_EQ(takeReports(), Reports{kRight});

    types(1).setFocus();
    QTest::keyClick(&types(1), Qt::Key_Down);
    EXPECT_EQ(takeReports(), Reports{kRight});
    EXPECT_EQ(panel->TympType(kRight), 1);

    probeTone().setFocus();
    probeTone().lineEdit()->selectAll();
    QTest::keyClicks(&probeTone(), "800");
    EXPECT_EQ(takeReports(), (Reports{kBoth, kBoth, kBoth}));
    EXPECT_EQ(panel->ProbeToneFrequency(), "800");

    panel->FireEvents(false);
    typeInto(box("PeakPressure", 0), "99999");
    panel->TympType(kLeft, 4);
    panel->ProbeToneFrequency("1000");
    EXPECT_EQ(takeReports(), Reports{});
    EXPECT_EQ(panel->PeakPressure(kLeft), "99999") << "nothing is cut while events are off";

    panel->FireEvents(true);
    panel->Clear();
    EXPECT_EQ(takeReports(), Reports{}) << "Clear reports nothing";
    EXPECT_EQ(panel->PeakPressure(kLeft), "");
    EXPECT_EQ(types(0).currentIndex(), -1);
    EXPECT_EQ(panel->ProbeToneFrequency(), "");
}

TEST_F(TympanometryPanel, RightEarOnLeftMovesTheEarLabelsWithTheirEars)
{
    QLabel& column0 = child<QLabel>("lblEar0");
    QLabel& column1 = child<QLabel>("lblEar1");
    EXPECT_EQ(column0.text(), "Left");
    EXPECT_EQ(column1.text(), "Right");

    panel->RightEarOnLeft(true);
    EXPECT_EQ(column0.text(), "Right");
    EXPECT_EQ(column1.text(), "Left");
    panel->PeakPressure(kRight, "-20");
    EXPECT_EQ(box("PeakPressure", 0).text(), "-20") << "the right ear's values go to the left column";
    takeReports();
    typeInto(box("Gradient", 1), "7");
    EXPECT_EQ(takeReports().back(), kLeft);

    panel->RightEarOnLeft(false);
    EXPECT_EQ(column0.text(), "Left");
    EXPECT_EQ(column1.text(), "Right");
}

}  // namespace
}  // namespace brisance
