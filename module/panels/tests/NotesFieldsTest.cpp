#include "module/panels/NotesChangeHandler.h"
#include "module/panels/NotesFields.h"

#include "module/panels/INotes.h"
#include "module/testing/RegisterServer.h"
#include "platform/com/Creation.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::RuntimeError;
using platform::runtime::Variant;
// The stored notes as texts, by key; keys without a value are left out.
using Values = std::map<std::string, std::string>;

constexpr std::int16_t kSpeechSection = 1;

class NotesFields : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        prefs = newStore();
        prefs->put_Category(1000);
        prefs->put_Value("AC40 #17", Variant("11/15/2023"));
        notes = newStore();
        // Where a view's caller left the notes store.
        notes->put_Category(100);
        notes->put_Section(100);

        panel.Prefs(prefs);
        panel.LoadAudiometers();
        panel.SetNoteTypeLabel(4, "User Defined 1");
        panel.SetNoteTypeLabel(5, "User Defined 2");
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    }

    static vellum::ComPtr<vellum::IVellumKeyedStore> newStore()
    {
        return platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
    }

    // The values of the speech view's notes (category 0, section 1) that are set.
    Values speechNotes()
    {
        const std::int16_t category = notes->get_Category();
        const std::int16_t section = notes->get_Section();
        notes->put_Category(0);
        notes->put_Section(kSpeechSection);
        Values values;
        for (const char* key : {"Make", "CalibDate", "Method", "Reliability", "User1Val", "User2Val", "Comments",
                                "User1", "User2"}) {
            const Variant value = notes->get_Value(key);
            if (!value.isNull()) values[key] = value.isArray() ? "(bytes)" : value.toString();
        }
        notes->put_Category(category);
        notes->put_Section(section);
        return values;
    }

    void storeSpeechNotes(const std::map<std::string, Variant>& values)
    {
        notes->put_Category(0);
        notes->put_Section(kSpeechSection);
        for (const auto& [key, value] : values) notes->put_Value(key, value);
        notes->put_Category(100);
        notes->put_Section(100);
    }

    void expectNotesSelectionKept(const char* when)
    {
        EXPECT_EQ(notes->get_Category(), 100) << when;
        EXPECT_EQ(notes->get_Section(), 100) << when;
    }

    vellum::ComPtr<vellum::IVellumKeyedStore> prefs;
    vellum::ComPtr<vellum::IVellumKeyedStore> notes;
    INotes panel;
};

TEST_F(NotesFields, SavingAFieldWritesItAndBothUserFieldNames)
{
    panel.SetNoteTypeText(3, "Good");
    panel.SetNoteTypeText(6, "Refer");
    notes->put_Category(0);
    notes->put_Section(kSpeechSection);

    SaveNotesField(panel, *notes, 3);
    EXPECT_EQ(speechNotes(), (Values{{"Reliability", "Good"},
                                     {"User1", "User Defined 1"},
                                     {"User2", "User Defined 2"}}));

    panel.UserDefined2("Hearing aid");
    SaveNotesField(panel, *notes, 9);
    EXPECT_EQ(speechNotes(), (Values{{"Reliability", "Good"},
                                     {"User1", "User Defined 1"},
                                     {"User2", "Hearing aid"}}))
        << "a note type outside 0 to 6 writes only the user-field names";
}

TEST_F(NotesFields, SavingPassesTheStoresFailureOn)
{
    panel.UserDefined1(std::string(70000, 'u'));
    try {
        SaveNotesField(panel, *notes, 2);
        ADD_FAILURE() << "a name the store refuses raised nothing";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::runtime::errors::Overflow);
    }
}

class NotesHandler : public NotesFields {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(NotesFields::SetUp());
        handler = std::make_unique<NotesChangeHandler>(
            panel, NotesViewHook{kSpeechSection, [this] { return notes.get(); }, [this] { return readOnly; },
                                 [this] { ++dirtied; }});
    }

    bool readOnly = false;
    int dirtied = 0;
    std::unique_ptr<NotesChangeHandler> handler;
};

TEST_F(NotesHandler, LoadingSetsTheStoredDateOverTheListsAndKeepsTheStoredNames)
{
    storeSpeechNotes({{"Make", Variant("AC40 #17")},
                      {"CalibDate", Variant("01/20/2025")},
                      {"Method", Variant("Hughson-Westlake")},
                      {"Reliability", Variant("Fair")},
                      {"User1Val", Variant("Left > right")},
                      {"User2Val", Variant("None")},
                      {"Comments", Variant("Refer")},
                      {"User1", Variant("Tinnitus")},
                      {"User2", Variant("Hearing aid")}});
    const Values stored = speechNotes();

    handler->LoadPanel();
    EXPECT_EQ(panel.GetNoteTypeText(0), "AC40 #17");
    EXPECT_EQ(panel.GetNoteTypeText(1), "01/20/2025") << "the stored date wins over the audiometer list's";
    EXPECT_EQ(panel.GetNoteTypeText(2), "Hughson-Westlake");
    EXPECT_EQ(panel.GetNoteTypeText(3), "Fair");
    EXPECT_EQ(panel.GetNoteTypeText(4), "Left > right");
    EXPECT_EQ(panel.GetNoteTypeText(5), "None");
    EXPECT_EQ(panel.GetNoteTypeText(6), "Refer");
    EXPECT_EQ(panel.GetNoteTypeLabel(4), "Tinnitus");
    EXPECT_EQ(panel.GetNoteTypeLabel(5), "Hearing aid");

    EXPECT_EQ(speechNotes(), stored) << "loading wrote nothing back";
    EXPECT_EQ(dirtied, 0);
    expectNotesSelectionKept("after the load");
}

TEST_F(NotesHandler, LoadingSkipsWhatFailsAndSetsMissingNotesEmpty)
{
    panel.SetNoteTypeText(2, "typed before");
    panel.SetNoteTypeText(6, "typed before");
    storeSpeechNotes({{"Method", Variant::fromBytes(std::vector<std::uint8_t>{1})},  // no text
                      {"Reliability", Variant("Poor")},
                      {"User1", Variant::fromBytes(std::vector<std::uint8_t>{2})}});

    handler->LoadPanel();
    EXPECT_EQ(panel.GetNoteTypeText(2), "typed before") << "a note that cannot be read leaves its field";
    EXPECT_EQ(panel.GetNoteTypeText(3), "Poor") << "the load goes on after a failure";
    EXPECT_EQ(panel.GetNoteTypeText(6), "") << "a missing note empties its field";
    EXPECT_EQ(panel.GetNoteTypeLabel(4), "User Defined 1");
}

TEST_F(NotesHandler, AnEditWritesItsFieldAndMarksTheViewWhileEditable)
{
    auto* comments = panel.findChild<QPlainTextEdit*>("txtComments");
    QTest::keyClick(comments, Qt::Key_R);
    EXPECT_EQ(speechNotes(), (Values{{"Comments", "r"},
                                     {"User1", "User Defined 1"},
                                     {"User2", "User Defined 2"}}));
    EXPECT_EQ(dirtied, 1);
    expectNotesSelectionKept("after the write");

    readOnly = true;
    QTest::keyClick(comments, Qt::Key_X);
    EXPECT_EQ(speechNotes().at("Comments"), "r") << "a read-only view writes nothing";
    EXPECT_EQ(dirtied, 1);

    readOnly = false;
    handler->ClearPanel();
    EXPECT_EQ(speechNotes().at("Comments"), "r") << "emptying the panel is no edit";
    EXPECT_EQ(dirtied, 1);
}

TEST_F(NotesHandler, AWriteTheStoreRefusesIsShownAndLeavesTheViewClean)
{
    platform::ui::TestResponder responder;
    panel.UserDefined1(std::string(70000, 'u'));
    panel.SetNoteTypeText(3, "Good");
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].style, platform::ui::MB_ICONSTOP);
    EXPECT_EQ(dirtied, 0);
    expectNotesSelectionKept("after the failed write");
}

}  // namespace
}  // namespace brisance
