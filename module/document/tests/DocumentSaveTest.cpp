#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentTestSupport.h"

#include "module/core/ForEachCurve.h"
#include "module/core/TextResources.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/com/HResult.h"

#include <QAction>
#include <QString>

#include <cmath>
#include <map>

namespace brisance {
namespace {

using host::ActionRecord;
using host::testing::ActionSpec;
using testing::kTodayDay;
using testing::kYesterday;

constexpr const char* kSaveFailed = "There was a problem saving to the TAVO System";
const host::Date kStamp = kTodayDay + 0.25;

ActionSpec Audiogram(host::Date created, const host::Bytes& notes = {}, const std::string& description = {})
{
    ActionSpec spec{.code = 1, .publicData = testing::AudiogramDataWithoutTympanograms(), .dateCreated = created, .timeStamp = kStamp,
                    .description = description};
    if (!notes.empty())
        spec.privateData = notes;
    return spec;
}

ActionSpec Impedance(std::int32_t ear)
{
    const auto impedance = testing::FullImpedance(ear);
    return {.code = ear == 3 ? 15 : 16, .format = 100, .publicData = impedance.data,
            .privateData = impedance.data2, .dateCreated = kTodayDay, .timeStamp = kStamp};
}

class DocumentSaveTest : public testing::EnglishDocumentTest {
protected:
    // Opens the document on these actions of today's session, the first one shown.
    docAudiogramModule& OpenOn(const std::vector<ActionSpec>& specs)
    {
        for (const ActionSpec& spec : specs)
            shown.push_back(host.addAction(*session, spec));
        if (!shown.empty())
            host.showAction(shown.front());
        return OpenDocument();
    }

    vellum::IVellumDataLayer& Data() const { return *document->oPureTone().DataLayer(); }

    // A left-ear air threshold at 1000 Hz, as the pure-tone view leaves it.
    void PlotPureTonePoint(std::int16_t level = 400) { PlotPureTonePoint(*document, level); }
    static void PlotPureTonePoint(docAudiogramModule& into, std::int16_t level)
    {
        const auto curves = into.oPureTone().DataLayer()->get_PureToneCurves();
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!curves->Find(1, 3, 2, curve))
            curve = curves->Add(1, 3, 2);
        const auto points = curve->get_Points();
        (points->Exists(1000) ? points->Item(1000) : points->Add(1000))->put_Level(level);
        into.oPureTone().DataNeedsSaved(true);
    }

    // That threshold's level in these data; -1 when there is none.
    static std::int32_t PureTonePoint(vellum::IVellumDataLayer& data)
    {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!data.get_PureToneCurves()->Find(1, 3, 2, curve) || !curve->get_Points()->Exists(1000))
            return -1;
        return curve->get_Points()->Item(1000)->get_Level();
    }

    // That threshold as the stored audiogram action holds it.
    std::int32_t StoredPureTonePoint(const host::Action& audiogram)
    {
        const auto check = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        check->put_Data(platform::runtime::Variant::fromBytes(*host.database().action(audiogram.id())->publicData));
        return PureTonePoint(*check);
    }

    void AddTympanogram(std::int32_t ear)
    {
        vellum::ComPtr<vellum::IVellumTympanogram> tympanogram;
        if (!Data().get_Tympanograms()->Find(ear, tympanogram))
            tympanogram = Data().get_Tympanograms()->Add(ear);
        tympanogram->put_StaticCompliance(75);
        document->oImpedance().DataNeedsSaved(true);
    }

    // The left ear's tympanogram, reflexes and decays taken away.
    void RemoveLeftImpedanceData()
    {
        Data().get_Tympanograms()->Clear();
        const auto curves = Data().get_PureToneCurves();
        ForEachCurve<vellum::IVellumPureToneCurve>(curves->get__NewEnum(), [&](vellum::IVellumPureToneCurve& curve) {
            const auto measurement = curve.get_Measurement();
            const std::int32_t type = measurement->get_CurveType();
            if (measurement->get_Ear() == 3 && (type == 8 || type == 9 || type == 30 || type == 31))
                curves->Remove(curve.get_Index());
        });
        document->oImpedance().DataNeedsSaved(true);
    }

    void Save() { Save(*document); }
    static void Save(docAudiogramModule& which) { which.Menus().mnuFileSave->trigger(); }

    bool AnyViewDirty() const { return AnyViewDirty(*document); }
    static bool AnyViewDirty(docAudiogramModule& which)
    {
        return which.oPureTone().DataNeedsSaved() || which.oSpeech().DataNeedsSaved() ||
               which.oImpedance().DataNeedsSaved();
    }

    std::vector<ActionRecord> Stored() { return host.database().actions(session->id()); }

    // What the session's actions hold, for comparing before and after a save.
    struct StoredAction {
        host::RowId id;
        int code;
        std::optional<host::Bytes> publicData;
        std::optional<host::Bytes> privateData;
        std::string description;
        host::Date timeStamp;
        std::int64_t revision;
        friend bool operator==(const StoredAction&, const StoredAction&) = default;
    };
    std::vector<StoredAction> Visit()
    {
        std::vector<StoredAction> visit;
        for (const ActionRecord& action : Stored())
            visit.push_back({action.id, action.dataTypeCode, action.publicData, action.privateData, action.description,
                             action.timeStamp, action.revision});
        return visit;
    }

    static std::string Transcription(const std::string& text, const std::string& date)
    {
        QString replaced = QString::fromStdString(text);
        replaced.replace(QStringLiteral("xx/xx/xxxx"), QString::fromStdString(date));
        return replaced.left(64).toStdString();
    }

    std::vector<host::Action> shown;
};

TEST_F(DocumentSaveTest, ANewDocumentIsAddedOnceAndThenUpdated)
{
    docAudiogramModule& document = OpenOn({});
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);
    PlotPureTonePoint();

    Save();

    std::vector<ActionRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].dataTypeCode, 1);
    EXPECT_EQ(stored[0].dataFormat, 200);
    EXPECT_EQ(std::floor(stored[0].dateCreated), kTodayDay);
    EXPECT_EQ(stored[0].description, english.LoadResString2(TR_NEW_AUDIOGRAM));
    EXPECT_EQ(stored[0].creatorModuleId, host::testing::kAudiogramModule);
    ASSERT_TRUE(stored[0].publicData);
    ASSERT_TRUE(stored[0].privateData);
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    EXPECT_FALSE(AnyViewDirty());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});

    PlotPureTonePoint(550);
    Save();

    stored = Stored();
    ASSERT_EQ(stored.size(), 1u) << "the second save updates the stored action";
    EXPECT_EQ(stored[0].description, english.LoadResString(TR_AUDIOGRAM_CHANGED));
    const auto check = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    check->put_Data(platform::runtime::Variant::fromBytes(*stored[0].publicData));
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    ASSERT_TRUE(check->get_PureToneCurves()->Find(1, 3, 2, curve));
    EXPECT_EQ(curve->get_Points()->Item(1000)->get_Level(), 550);
}

TEST_F(DocumentSaveTest, ANewEarIsAddedBesideTheGroupsOtherEarWhichIsUpdatedInPlace)
{
    docAudiogramModule& document = OpenOn({Audiogram(kTodayDay), Impedance(2)});
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    AddTympanogram(3);

    Save();

    const std::vector<ActionRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].id, shown[0].id());
    EXPECT_EQ(stored[1].id, shown[1].id());
    EXPECT_EQ(stored[1].description, english.LoadResString(TR_RIGHT_IMPEDANCE_CHANGED));
    EXPECT_EQ(stored[2].dataTypeCode, 15);
    EXPECT_EQ(stored[2].dataFormat, 100);
    EXPECT_EQ(stored[2].description, english.LoadResString(TR_NEW_LEFT_IMPEDANCE));
    EXPECT_EQ(std::floor(stored[2].dateCreated), kTodayDay);
    EXPECT_NE(stored[0].timeStamp, kStamp) << "the group gets the save's time stamp";
    EXPECT_EQ(stored[1].timeStamp, stored[0].timeStamp);
    EXPECT_EQ(stored[2].timeStamp, stored[0].timeStamp);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentSaveTest, AnEarlierDateOfEvaluationGivesTranscriptionTexts)
{
    const std::string yesterday = testing::DayText(kYesterday);
    docAudiogramModule& document = OpenOn({Audiogram(kTodayDay, testing::NotesData("DateOfEval", yesterday))});
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    PlotPureTonePoint();

    Save();

    // The audiogram's reflexes give both ears their impedance actions.
    const std::vector<ActionRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 3u);
    const std::map<int, TextResources> texts{{1, TR_TRANSCRIPTION_OF_AUDIOGRAM_DATA_INITIALLY_RECORDED},
                                             {15, TR_TRANSCRIPTION_OF_LEFT_IMPEDANCE_DATA_INITIALLY_REC},
                                             {16, TR_TRANSCRIPTION_OF_RIGHT_IMPEDANCE_DATA_INITIALLY_RE}};
    for (const ActionRecord& action : stored) {
        const std::string expected = Transcription(english.LoadResString(texts.at(action.dataTypeCode)), yesterday);
        EXPECT_EQ(action.description, expected);
        EXPECT_LE(QString::fromStdString(action.description).size(), 64);
    }
    EXPECT_NE(stored[0].description.find(yesterday), std::string::npos) << stored[0].description;
}

TEST_F(DocumentSaveTest, ADateOfEvaluationKeptAsAnIsoTextIsDescribedInTheLocalesShortDate)
{
    OpenOn({Audiogram(kTodayDay, testing::NotesData("DateOfEval", "2026-12-09"))});
    PlotPureTonePoint();

    Save();

    const std::vector<ActionRecord> stored = Stored();
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(stored[0].description,
              Transcription(english.LoadResString(TR_TRANSCRIPTION_OF_AUDIOGRAM_DATA_INITIALLY_RECORDED),
                            testing::DayText(kYesterday)));
}

TEST_F(DocumentSaveTest, ADescriptionOfTheUsersOwnIsKept)
{
    docAudiogramModule& document =
        OpenOn({Audiogram(kTodayDay, testing::NotesData("CustomDescription", "True"), "Before the fitting")});
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    PlotPureTonePoint();

    Save();
    Save();

    EXPECT_EQ(Stored()[0].description, "Before the fitting");
}

TEST_F(DocumentSaveTest, RemovedImpedanceDataAreSavedAsRemoved)
{
    docAudiogramModule& document = OpenOn({Audiogram(kTodayDay), Impedance(3)});
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    RemoveLeftImpedanceData();

    Save();

    const std::optional<ActionRecord> left = host.database().action(shown[1].id());
    ASSERT_TRUE(left);
    const auto check = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    const auto asVariant = [](const std::optional<host::Bytes>& bytes) {
        return bytes ? platform::runtime::Variant::fromBytes(*bytes) : platform::runtime::Variant::null();
    };
    EXPECT_FALSE(check->SetImpedanceActionData(3, 100, asVariant(left->publicData), asVariant(left->privateData)));
}

// Another module's impedance action that shares the group's time stamp was
// never loaded: saving neither writes a removal over it nor touches it
// otherwise, and this module's data of that ear go into an action of its own.
TEST_F(DocumentSaveTest, AnotherModulesImpedanceActionIsNeverWritten)
{
    ActionSpec foreign = Impedance(3);
    foreign.creator = 0x300001;
    foreign.description = "Tympanometry of another module";
    docAudiogramModule& document = OpenOn({Audiogram(kTodayDay), foreign});
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    ASSERT_TRUE(document.GroupActions()[1]) << "the group holds the other module's action";
    const ActionRecord before = *host.database().action(shown[1].id());

    for (const bool leftData : {false, true}) {
        SCOPED_TRACE(leftData ? "with left impedance data" : "without");
        if (leftData)
            AddTympanogram(3);
        else
            RemoveLeftImpedanceData();

        Save();

        const ActionRecord after = *host.database().action(shown[1].id());
        EXPECT_EQ(after.publicData, before.publicData);
        EXPECT_EQ(after.privateData, before.privateData);
        EXPECT_EQ(after.description, before.description);
        EXPECT_EQ(after.timeStamp, before.timeStamp);
        EXPECT_EQ(after.lastModified, before.lastModified);
        EXPECT_FALSE(AnyViewDirty());
    }
    const std::vector<ActionRecord> stored = Stored();
    std::vector<ActionRecord> ownLeft;
    for (const ActionRecord& action : stored)
        if (action.dataTypeCode == 15 && action.id != shown[1].id())
            ownLeft.push_back(action);
    ASSERT_EQ(ownLeft.size(), 1u) << "the left ear's data have one action of this module";
    EXPECT_EQ(ownLeft[0].creatorModuleId, kModuleIdentity);
    EXPECT_EQ(ownLeft[0].timeStamp, stored[0].timeStamp);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

// Where a save fails, counted in the writes to the host that go through
// before it.
struct FailureCase {
    const char* name;
    bool savedGroup;  // else a new document
    std::int32_t number;
    int writesBefore;
    std::optional<TextResources> cause{};  // added to the save's message
};

void PrintTo(const FailureCase& failure, std::ostream* out)
{
    *out << failure.name;
}

class DocumentSaveFailureTest : public DocumentSaveTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(DocumentSaveFailureTest, TellsOnceLeavesTheDocumentUnsavedAndTheNextSaveCompletesIt)
{
    const FailureCase& c = GetParam();
    host.addAction(*session, {.code = 7, .description = "unrelated"});
    docAudiogramModule& document =
        c.savedGroup ? OpenOn({Audiogram(kTodayDay)}) : OpenOn(std::vector<ActionSpec>{});
    const std::int32_t mode = document.DocumentMode();
    PlotPureTonePoint();
    AddTympanogram(3);
    const std::vector<StoredAction> before = Visit();

    host.database().provokeWriteFailures(c.number, "provoked", 1, c.writesBefore);
    Save();

    const std::string cause = c.cause ? "\n\n" + english.LoadResString(*c.cause) : "";
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{kSaveFailed + cause});
    EXPECT_TRUE(AnyViewDirty());
    EXPECT_EQ(document.DocumentMode(), mode);
    EXPECT_EQ(Visit(), before) << "the failed save left part of the visit written";

    Save();

    EXPECT_EQ(ShownTexts().size(), 1u);
    EXPECT_FALSE(AnyViewDirty());
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    std::map<int, int> codes;
    for (const ActionRecord& action : Stored())
        ++codes[action.dataTypeCode];
    EXPECT_EQ(codes[1], 1) << "one audiogram action, never added twice";
    EXPECT_EQ(codes[15], 1);
}

// A new document writes the user's preferences, then adds the left ear's
// action. A saved group (whose reflexes give both ears data) writes the
// preferences and the audiogram's description, adds both ears, then puts the
// audiogram's data, then the time stamps.
INSTANTIATE_TEST_SUITE_P(
    Failures, DocumentSaveFailureTest,
    ::testing::Values(FailureCase{"ServerFaultAtTheImpedanceAdd", false, platform::com::RPC_E_SERVERFAULT, 1},
                      FailureCase{"PlainFailureAtAPublicDataPut", true, 5, 4},
                      FailureCase{"FullDiskAtTheTimeStamps", true, host::kDiskFullError, 7,
                                  TR_NO_SPACE_LEFT_ON_DISK}),
    [](const auto& info) { return std::string(info.param.name); });

// Two windows (or two workstations) on one visit: each opened the group
// before the other saved it.
TEST_F(DocumentSaveTest, ASaveOverAnotherWindowsLaterSaveIsRefusedAndKeepsItsChanges)
{
    docAudiogramModule& first = OpenOn({Audiogram(kTodayDay)});
    QWidget secondFrame;
    docAudiogramModule second;
    const platform::com::DocumentFrame secondDocumentFrame{&secondFrame, nullptr, nullptr};
    second.SetFrame(&secondDocumentFrame);
    second.Show();
    ASSERT_EQ(second.DocumentMode(), docAudiogramModule::kModeEditable);

    PlotPureTonePoint(first, 550);
    Save(first);
    ASSERT_EQ(ShownTexts(), std::vector<std::string>{});
    const std::vector<StoredAction> savedByFirst = Visit();

    PlotPureTonePoint(second, 700);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        Save(second);

        EXPECT_EQ(ShownTexts(), std::vector<std::string>(
                                    attempt, english.LoadResString(TR_SAVE_WOULD_OVERWRITE_OTHER_CHANGES)));
        EXPECT_EQ(Visit(), savedByFirst) << "the later save wrote over the other window's";
        EXPECT_EQ(StoredPureTonePoint(shown[0]), 550);
        EXPECT_TRUE(AnyViewDirty(second)) << "the refused changes are no longer marked unsaved";
        EXPECT_EQ(PureTonePoint(*second.oPureTone().DataLayer()), 700);
    }

    // The window that saved last goes on saving over its own save.
    PlotPureTonePoint(first, 600);
    Save(first);
    EXPECT_EQ(ShownTexts().size(), 2u);
    EXPECT_EQ(StoredPureTonePoint(shown[0]), 600);

    responder.queue(platform::ui::reply::Button{platform::ui::IDNO});
    second.Terminate();
}

TEST_F(DocumentSaveTest, ClosingAsksOnlyWhenSomethingIsUnsaved)
{
    OpenOn({});
    document->Terminate();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{});
}

TEST_F(DocumentSaveTest, ClosingSavesOnYesAndLeavesTheHostAsItWasOnNo)
{
    for (const int answer : {platform::ui::IDNO, platform::ui::IDYES}) {
        SCOPED_TRACE(answer);
        OpenOn({});
        PlotPureTonePoint();
        responder.queue(platform::ui::reply::Button{answer});
        const std::size_t before = Stored().size();

        document->Terminate();

        ASSERT_FALSE(responder.shown().empty());
        const platform::ui::ShownDialog& question = responder.shown().back();
        EXPECT_EQ(question.text, english.LoadResString(TR_DO_YOU_WANT_TO_SAVE_CHANGES));
        EXPECT_EQ(question.style, 65572u);
        EXPECT_EQ(Stored().size(), before + (answer == platform::ui::IDYES ? 1 : 0));
        document.reset();
    }
}

}  // namespace
}  // namespace brisance
