#include "module/document/tests/DocumentTestSupport.h"

#include "module/document/AudiogramDocumentObject.h"
#include "module/document/FlatScrollBar.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedTabStrip.h"
#include "module/views/CPureTone.h"

#include "host/ModuleCatalog.h"
#include "host/window/HostWindow.h"

#include "platform/com/Creation.h"
#include "platform/com/Guid.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QMenuBar>

#include <cstdlib>

namespace brisance {
namespace {

using platform::ui::pixelsToTwipsX;
using platform::ui::pixelsToTwipsY;

// One pixel, in twips: what converting a position to pixels may move it.
constexpr int kPixel = 15;

class DocumentFrameTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        host::ModuleCatalog(host.database())
            .installModule({.name = "Pelm Corvane 1.1",
                            .clsid = platform::com::toString(kAudiogramDocumentClsid),
                            .manufacturerId = 32,
                            .localId = 1,
                            .canShow = {{1, 200}}});
        SelectClientWithSession();
    }

    docAudiogramModule* Framed(const host::HostWindow& window) const
    {
        return window.documentFrame()->findChild<docAudiogramModule*>();
    }
};

std::vector<std::string> MenuBarNames(const QMenuBar& bar)
{
    std::vector<std::string> names;
    for (const QAction* action : bar.actions())
        names.push_back(action->objectName().toStdString());
    return names;
}

TEST_F(DocumentFrameTest, TheHostFramesTheDocumentWithItsMenusAndTakesThemAwayAtClose)
{
    host::HostWindow window;
    window.selectClient(client->id());
    window.startModule();

    docAudiogramModule* document = Framed(window);
    ASSERT_NE(document, nullptr) << "the document is created by class id and framed";
    EXPECT_TRUE(document->Initialized());
    EXPECT_EQ(document->sbrMain().PanelText("CLIENT"), "Ann Smith");
    EXPECT_EQ(document->sbrMain().PanelText("MESSAGE"), "Version: 1.0  (0)");
    EXPECT_EQ(MenuBarNames(*window.menuBar()),
              (std::vector<std::string>{"mnuFile", "mnuEdit", "mnuView", "mnuAudiometerMain", "mnuTools", "mnuHelp"}));
    EXPECT_EQ(document->geometry(), window.documentFrame()->rect());

    window.closeModule();
    EXPECT_EQ(Framed(window), nullptr);
    EXPECT_TRUE(window.menuBar()->actions().isEmpty());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentFrameTest, ResizingPlacesTheTabStripThePortTheBarsAndTheViewAndABarScrollsTheView)
{
    host::HostWindow window;
    window.resize(900, 600);
    window.show();
    window.selectClient(client->id());
    window.startModule();
    docAudiogramModule& document = *Framed(window);
    window.resize(1000, 520);
    QApplication::processEvents();

    const KeyedTabStrip& tabs = document.tabMain();
    const int innerWidth = pixelsToTwipsX(document.width());
    EXPECT_NEAR(tabs.Left(), 60, kPixel);
    EXPECT_NEAR(tabs.Top(), 400, kPixel);
    EXPECT_NEAR(tabs.Width(), innerWidth - 120, kPixel);
    const QWidget& port = document.picViewPort();
    EXPECT_EQ(pixelsToTwipsX(port.x()), tabs.ClientLeft());
    EXPECT_EQ(pixelsToTwipsY(port.y()), tabs.ClientTop());

    // The frame is narrower than the pure-tone view's least width.
    CPureTone& view = document.oPureTone();
    ASSERT_LT(tabs.ClientWidth(), CPureTone::kMinimumWidth);
    const FlatScrollBar& bar = document.fsbHortizontal();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.geometry().top(), port.geometry().bottom() + 1) << "the bar stands under the port";
    EXPECT_EQ(bar.width(), port.width());
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.parentWidget(), &port);

    document.fsbHortizontal().Value(600);
    EXPECT_NEAR(view.Left(), -600, kPixel) << "moving the bar moves the view";
    document.fsbVertical().Value(0);
}

// Whether a part of the shown view stands whole inside the view port.
bool WholeInPort(const docAudiogramModule& document, const QWidget& part)
{
    const QWidget& port = document.picViewPort();
    return part.isVisible() && port.rect().contains(QRect(part.mapTo(&port, QPoint(0, 0)), part.size()));
}

TEST_F(DocumentFrameTest, TheHostShowsAWholeAudiogramOnCommonScreens)
{
    host::HostWindow window;
    // A screen keeps about 70 pixels for a window's title bar and its task bar.
    EXPECT_LE(window.width(), 1366) << "the default size fits a 1366 x 768 screen";
    EXPECT_LE(window.height(), 768 - 70) << "the default size fits a 1366 x 768 screen";
    const QSize defaultSize = window.size();
    window.show();
    window.selectClient(client->id());
    window.startModule();
    docAudiogramModule& document = *Framed(window);
    CPureTone& view = document.oPureTone();

    const std::vector<std::string> charts{"chtEar0", "lblEar0", "chtEar1", "lblEar1", "lblChartYLabel",
                                          "lblChartXLabel", "palPureTone", "butMasked", "butBinaural"};
    const std::vector<std::string> panels{"tblPureTone", "ptaPureTone", "notPureTone"};
    struct Case {
        const char* what;
        QSize size;
        bool panelsToo;
    };
    const Case cases[] = {
        {"maximised on a 1920 x 1080 screen", {1920, 1080 - 70}, true},
        {"maximised on a 1366 x 768 screen", {1366, 768 - 70}, false},
        {"at the default size", defaultSize, false},
    };
    for (const Case& c : cases) {
        window.resize(c.size);
        QApplication::processEvents();
        std::vector<std::string> parts = charts;
        if (c.panelsToo)
            parts.insert(parts.end(), panels.begin(), panels.end());
        for (const std::string& name : parts) {
            const auto* part = view.findChild<QWidget*>(QString::fromStdString(name));
            ASSERT_NE(part, nullptr) << name;
            EXPECT_TRUE(WholeInPort(document, *part)) << c.what << ": " << name << " is not whole in view";
        }
    }
}

}  // namespace
}  // namespace brisance
