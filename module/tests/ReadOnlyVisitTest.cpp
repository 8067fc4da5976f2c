// A past visit opened while the audiometer and the tympanometer measure: the
// results that reach it while it is read-only change nothing in it, and the
// host keeps it as it was stored, unless the user makes a new audiogram of
// them. Marlet reads the simulated instruments.

#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/TextResources.h"
#include "module/document/frmReadOnlyMsg.h"
#include "module/document/MenuControlArray.h"
#include "module/views/CImpedance.h"
#include "module/views/tests/MarletForTests.h"

#include "Implementation/Components/PelmSonvale/testing/DriverRegistry.h"
#include "PelmSonvale/ISonvaleControllerEvents.h"
#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"
#include "tools/instrument-sim/TympanometerRecords.h"

#include "platform/com/ConnectionPoint.h"
#include "platform/com/DispatchSink.h"
#include "platform/testing/ModalDialogs.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <optional>
#include <ostream>

namespace brisance {

struct InstrumentTestAccess {
    static const platform::com::ComPtr<pelmsonvale::ISonvaleController>& Controller(const docAudiogramModule& document)
    {
        return document.m_sonvale;
    }
};

namespace {

namespace sim = instrument_sim;
using host::ActionRecord;
using platform::testing::ModalDialogs;

constexpr std::int32_t kAir = 1;
constexpr std::int32_t kUnaided = 2;
// The right ear's 1 kHz threshold and the left ear's tympanogram peak, as
// the instruments measure them.
constexpr std::int16_t kMeasuredLevel = 45;
constexpr std::int16_t kMeasuredPressure = -50;

// The options of the read-only prompt.
constexpr int kBasedOnThisOne = 0;
constexpr int kNewEmpty = 1;
constexpr int kGoOnViewing = 2;

std::optional<std::int16_t> RightAirLevelAt1000(vellum::IVellumDataLayer& data)
{
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    if (!data.get_PureToneCurves()->Find(kAir, vellum::kEarRight, kUnaided, curve) ||
        !curve->get_Points()->Exists(1000))
        return std::nullopt;
    return static_cast<std::int16_t>(curve->get_Points()->Item(1000)->get_Level() / 10);
}

std::optional<std::int16_t> LeftPeakPressure(vellum::IVellumDataLayer& data)
{
    vellum::ComPtr<vellum::IVellumTympanogram> tympanogram;
    if (!data.get_Tympanograms()->Find(vellum::kEarLeft, tympanogram))
        return std::nullopt;
    return tympanogram->get_PeakPressure();
}

bool SameStoredAction(const ActionRecord& a, const ActionRecord& b)
{
    return a.publicData == b.publicData && a.privateData == b.privateData && a.dateCreated == b.dateCreated &&
           a.lastModified == b.lastModified && a.timeStamp == b.timeStamp && a.description == b.description;
}

struct ResultCase {
    const char* name;
    int option;
    std::int32_t mode;
    bool taken;
};

// gtest names the case; its own byte dump would read the struct's padding.
void PrintTo(const ResultCase& resultCase, std::ostream* out)
{
    *out << resultCase.name;
}

class ReadOnlyVisitTest : public testing::EnglishDocumentTest, public ::testing::WithParamInterface<ResultCase> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::EnglishDocumentTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(pelmsonvale::testing::registerDriver("Marlet", MARLET_LIBRARY_PATH));
        testing::setUpMarlet(marlet::ModelTessil, marlet::ModelQuorrelV2);
        audiometer.emplace(marlet::ModelTessil, "COM3");
        tympanometer.emplace(marlet::ModelQuorrelV2, "COM4");
        // Yesterday's visit, the client's latest audiogram: the document opens on it.
        const host::Session past = host.addSession(*client, testing::kYesterday);
        visit = host.addAction(past, {.code = 1, .publicData = testing::FullAudiogramData(),
                                      .dateCreated = testing::kYesterday, .timeStamp = testing::kYesterday});
    }

    void TearDown() override
    {
        if (counter)
            platform::com::unadvise(link.get(), pelmsonvale::kSonvaleControllerEventsIid, cookie);
        if (document)
            document->Terminate();
    }

    ActionRecord StoredVisit() { return host.database().action(visit->id()).value_or(ActionRecord{}); }

    // The instruments started from the Audiometer menu on a new audiogram
    // (the read-only prompt answered so), then the past visit opened again
    // from the File menu while they measure.
    void MeasureWhileTheVisitShows()
    {
        OpenDocument();
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeReadOnly);
        {
            ModalDialogs dialogs;
            Answer(dialogs, kNewEmpty);
            document->Menus().mnuSonvaleDevice->Action(0).trigger();
        }
        ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeNew);
        ASSERT_FALSE(document->Menus().mnuToolsSonvale->isEnabled()) << "the measurement did not start";
        document->Menus().mnuFilePastAction->Action(0).trigger();
        ASSERT_EQ(document->DocumentMode(), docAudiogramModule::kModeReadOnly);
        CountResults();
    }

    static void Answer(ModalDialogs& dialogs, int option)
    {
        dialogs.answer<frmReadOnlyMsg>([option](frmReadOnlyMsg& prompt) {
            platform::testing::click(prompt.optChoice[static_cast<std::size_t>(option)]);
            QTest::mouseClick(prompt.cmdOK, Qt::LeftButton);
        });
    }

    // Counts the link's results from now on, after the document's sinks.
    void CountResults()
    {
        link = InstrumentTestAccess::Controller(*document);
        counter = platform::com::make<platform::com::DispatchSink>(
            pelmsonvale::kSonvaleControllerEventsIid, [this](platform::com::DISPID id, auto) {
                results += id == pelmsonvale::PlotPoint || id == pelmsonvale::ImpedancePoint;
                return platform::com::S_OK;
            });
        ASSERT_EQ(platform::com::advise(link.get(), pelmsonvale::kSonvaleControllerEventsIid, counter.get(), &cookie),
                  platform::com::S_OK);
    }

    bool SaveQuestionAsked() const
    {
        const auto texts = ShownTexts();
        return std::ranges::find(texts, english.LoadResString(TR_DO_YOU_WANT_TO_SAVE_CHANGES)) != texts.end();
    }

    std::optional<sim::Instrument> audiometer;
    std::optional<sim::Instrument> tympanometer;
    std::optional<host::Action> visit;
    platform::com::ComPtr<pelmsonvale::ISonvaleController> link;
    platform::com::ComPtr<platform::com::DispatchSink> counter;
    std::uint32_t cookie = 0;
    int results = 0;
};

TEST_P(ReadOnlyVisitTest, AResultAsksOnceAndGoesOnlyIntoANewAudiogram)
{
    const ResultCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(MeasureWhileTheVisitShows());
    const ActionRecord stored = StoredVisit();
    vellum::IVellumDataLayer& data = *document->oPureTone().DataLayer();
    const platform::runtime::Variant shown = data.get_Data();
    {
        // One answer: a second prompt for the second result fails the test.
        ModalDialogs dialogs;
        Answer(dialogs, c.option);
        audiometer->send(sim::tonePoint({.routingPair = 2, .levelA = kMeasuredLevel * 10}));
        tympanometer->send(sim::multiTympanogram({.summaries = {{.compliance = 70, .pressure = kMeasuredPressure}}}));
        ASSERT_TRUE(QTest::qWaitFor([this] { return results >= 2; }, 10000)) << "the instruments' results did not come";
        QCoreApplication::processEvents();
    }

    EXPECT_EQ(document->DocumentMode(), c.mode);
    EXPECT_EQ(RightAirLevelAt1000(data) == kMeasuredLevel, c.taken) << "the audiometer's threshold";
    EXPECT_EQ(LeftPeakPressure(data) == kMeasuredPressure, c.taken) << "the tympanometer's tympanogram";
    EXPECT_EQ(document->Menus().mnuEditUndo->isEnabled(), c.taken);
    if (!c.taken) {
        EXPECT_EQ(data.get_Data().toBytes(), shown.toBytes()) << "the shown visit changed";
        EXPECT_FALSE(document->oPureTone().DataNeedsSaved() || document->oImpedance().DataNeedsSaved());
    }

    // Closed without saving: the visit is stored as it was.
    responder.queue(platform::ui::reply::Button{platform::ui::IDNO});
    document->Terminate();
    EXPECT_EQ(SaveQuestionAsked(), c.taken) << "the save question";
    EXPECT_TRUE(SameStoredAction(StoredVisit(), stored)) << "the past visit's stored action changed";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadOnlyVisitTest,
    ::testing::Values(ResultCase{"GoOnViewing", kGoOnViewing, docAudiogramModule::kModeReadOnly, false},
                      ResultCase{"BasedOnThisOne", kBasedOnThisOne, docAudiogramModule::kModeNew, true},
                      ResultCase{"NewEmpty", kNewEmpty, docAudiogramModule::kModeNew, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brisance
