#include "module/core/LoadActionsIntoModule.h"

#include "module/core/tests/ActionData.h"
#include "module/core/tests/CoreTestSupport.h"
#include "module/core/tests/HostActions.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

using host::testing::ActionSpec;
using host::testing::HostFixture;
using platform::com::ComPtr;
using testing::FullAudiogramData;
using testing::FullAudiogramDescriptions;
using testing::FullImpedance;
using testing::HostAction;
using testing::NotesData;

constexpr host::Date kDay = 46000.0;
constexpr std::int32_t kOtherModule = 0x300001;

class LoadActionsIntoModuleTest : public testing::VellumTest {
protected:
    void SetUp() override
    {
        VellumTest::SetUp();
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        notes = testing::NewStore();
        notes->put_Value("Left over", "from the document before");
    }

    // The actions, in one session of the current client, as a group in this order.
    ActionGroup Group(const std::vector<std::optional<ActionSpec>>& specs)
    {
        const host::Client client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
        const host::Session session = host.addSession(client, kDay);
        host.selectClient(client);
        ActionGroup group;
        std::int32_t position = 0;
        for (std::size_t slot = 0; slot < specs.size(); ++slot) {
            if (!specs[slot])
                continue;
            host.addAction(session, *specs[slot]);
            group[slot] = HostAction(1, ++position);
        }
        return group;
    }

    std::string NotesValue(const std::string& key)
    {
        notes->put_Category(0);
        notes->put_Section(0);
        const auto value = notes->get_Value(key);
        return value.isNull() ? std::string("(null)") : value.toString();
    }

    HostFixture host;
    platform::ui::TestResponder responder;
    ComPtr<vellum::IVellumDataLayer> data;
    ComPtr<vellum::IVellumKeyedStore> notes;
};

ActionSpec Impedance(std::int32_t code, std::int32_t ear, std::int32_t creator = host::testing::kAudiogramModule)
{
    const auto impedance = FullImpedance(ear);
    return {.code = code, .format = 100, .publicData = impedance.data, .privateData = impedance.data2,
            .creator = creator};
}

std::int32_t TympanogramCount(vellum::IVellumDataLayer& data)
{
    return data.get_Tympanograms()->get_Count();
}

TEST_F(LoadActionsIntoModuleTest, AGroupOfThisModuleLoadsDataImpedanceAndNotes)
{
    const ActionGroup group = Group({ActionSpec{.code = 1, .publicData = testing::AudiogramDataWithoutTympanograms(),
                                                .privateData = NotesData("Comments", "steady")},
                                     Impedance(15, 3), Impedance(16, 2)});

    EXPECT_TRUE(LoadActionsIntoModule(group, *data, *notes));
    EXPECT_GT(data->get_PureToneCurves()->get_Count(), 0);
    EXPECT_EQ(TympanogramCount(*data), 2) << "both ears' impedance actions are loaded";
    EXPECT_EQ(NotesValue("Comments"), "steady");
    EXPECT_EQ(NotesValue("Left over"), "(null)") << "the notes store is emptied first";
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(LoadActionsIntoModuleTest, AnEmptyGroupSetsTheCurrentFormatAndEmptiesTheNotes)
{
    data->put_DataFormat(100);
    EXPECT_TRUE(LoadActionsIntoModule(ActionGroup{}, *data, *notes));
    EXPECT_EQ(data->get_DataFormat(), 200);
    EXPECT_EQ(NotesValue("Left over"), "(null)");
}

TEST_F(LoadActionsIntoModuleTest, AnotherModulesActionsGiveNeitherPrivateDataNorImpedance)
{
    const ActionGroup group = Group({ActionSpec{.code = 1, .publicData = testing::AudiogramDataWithoutTympanograms(),
                                                .privateData = NotesData("Comments", "foreign"),
                                                .creator = kOtherModule},
                                     Impedance(15, 3, kOtherModule), std::nullopt});
    EXPECT_TRUE(LoadActionsIntoModule(group, *data, *notes));
    EXPECT_GT(data->get_PureToneCurves()->get_Count(), 0) << "the audiogram's own content is loaded";
    EXPECT_EQ(TympanogramCount(*data), 0) << "another module's impedance action is not loaded";
    EXPECT_EQ(NotesValue("Comments"), "(null)");
}

TEST_F(LoadActionsIntoModuleTest, AnEarlierFormatOfThisModuleTakesItsDescriptionsFromThePrivateData)
{
    const ActionGroup group = Group({ActionSpec{.code = 1, .format = 100, .publicData = FullAudiogramData(100),
                                                .privateData = FullAudiogramDescriptions()}});
    EXPECT_TRUE(LoadActionsIntoModule(group, *data, *notes));
    EXPECT_EQ(data->get_DataFormat(), 200) << "the secondary data made the content whole";
    ComPtr<vellum::IVellumPureToneCurve> curve;
    ASSERT_TRUE(data->get_PureToneCurves()->Find(1, 3, 2, curve));
    EXPECT_EQ(curve->get_Measurement()->get_ConditionDescription(), "unaided");
}

TEST_F(LoadActionsIntoModuleTest, TheEarlierFormatsPrivateDataAlsoReachesTheNotes)
{
    // The same private data goes to both places; what the notes store cannot
    // take it ignores, and the other way round.
    const ActionGroup group = Group({ActionSpec{.code = 1, .format = 100, .publicData = FullAudiogramData(100),
                                                .privateData = NotesData("Comments", "old format")}});
    EXPECT_TRUE(LoadActionsIntoModule(group, *data, *notes));
    EXPECT_EQ(NotesValue("Comments"), "old format");
}

TEST_F(LoadActionsIntoModuleTest, ADamagedAudiogramEndsTheLoadingWithItsMessage)
{
    const ActionGroup group = Group({ActionSpec{.code = 1, .publicData = host::Bytes{1, 2, 3},
                                                .privateData = NotesData("Comments", "not reached")},
                                     Impedance(15, 3), std::nullopt});
    EXPECT_FALSE(LoadActionsIntoModule(group, *data, *notes));
    ASSERT_EQ(responder.shown().size(), 1u);
    const auto& box = responder.shown().front();
    EXPECT_TRUE(box.text.ends_with("  5")) << box.text;
    EXPECT_GT(box.text.size(), 3u) << "the description comes first";
    EXPECT_EQ(box.style, platform::ui::MB_OK);
    EXPECT_EQ(box.title, "Tessmark") << "no document has opened a language";
    EXPECT_EQ(TympanogramCount(*data), 0) << "nothing after the failure is loaded";
    EXPECT_EQ(NotesValue("Left over"), "from the document before");
}

TEST_F(LoadActionsIntoModuleTest, ACallerThatAsksForTheFailureGetsItAndNoMessage)
{
    const ActionGroup group = Group({ActionSpec{.code = 1, .publicData = host::Bytes{1, 2, 3}}});
    std::optional<platform::runtime::RuntimeError> failure;
    EXPECT_FALSE(LoadActionsIntoModule(group, *data, *notes, &failure));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), 5);
    EXPECT_TRUE(responder.shown().empty());
}

}  // namespace
}  // namespace brisance
