#pragma once
// What every test of the audiogram document shares: the module's servers
// (Brisance, Lumenplot, Vellum, PelmSonvale) registered in the test's own
// machine root, a host database, message boxes answered by the test
// responder, a settable clock, and a document created, framed and shown.

#include "module/core/tests/ActionData.h"
#include "module/core/tests/TextsTestSupport.h"
#include "module/document/docAudiogramModule.h"
#include "module/testing/RegisterServer.h"

#include "host/testing/HostFixture.h"

#include "module/core/CLangLoader.h"

#include "platform/runtime/Dates.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brisance {

// Reaches the document's state that only its later commands change.
struct DocumentTestAccess {
    static void SetUndoTab(docAudiogramModule& document, std::int16_t tab) { document.m_intUndoTab = tab; }
    static void SetPreviousActionCount(docAudiogramModule& document, std::int32_t count)
    {
        document.m_previousActionCount = count;
    }
    static void UpdateCommandStates(docAudiogramModule& document) { document.UpdateCommandStates(); }
    static vellum::IVellumKeyedStore& Notes(docAudiogramModule& document) { return *document.m_notes; }
};

namespace testing {

// Today, for every document test: Thursday 10 December 2026, noon.
inline const platform::runtime::Date kToday{46366.5};
inline const host::Date kTodayDay = 46366.0;
inline const host::Date kYesterday = 46365.0;

inline void RegisterDocumentServers()
{
    registerServer(VELLUM_LIBRARY_PATH);
    registerServer(LUMENPLOT_LIBRARY_PATH);
    registerServer(PELMSONVALE_LIBRARY_PATH);
    registerServer(BRISANCE_LIBRARY_PATH);
}

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(RegisterDocumentServers());
        // Users without preferences of their own get the shared default profile.
        ASSERT_TRUE(host.placeDefaultProfile());
    }

    // A client "Ann Smith" with today's session, both selected with a user.
    void SelectClientWithSession()
    {
        client = host.addClient({.firstName = "Ann", .lastName = "Smith"});
        session = host.addSession(*client, kTodayDay);
        host.select(*client, host.addUser("JD"), *session);
    }

    // The document, made and initialised, framed in a widget of 1000 x 700
    // pixels and shown.
    docAudiogramModule& OpenDocument()
    {
        document = std::make_unique<docAudiogramModule>();
        frame.resize(1000, 700);
        const platform::com::DocumentFrame documentFrame{&frame, nullptr, nullptr};
        document->SetFrame(&documentFrame);
        document->Show();
        return *document;
    }

    // What the document showed, leaving out the speech view's notice that its
    // palette lacks some of the audiogram's speech tests: the full test
    // audiogram holds speech tests that the shared default profile's speech
    // palette does not, so every opening of it brings that notice.
    std::vector<std::string> ShownTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : responder.shown())
            if (!IsSpeechPaletteNotice(shown.text))
                texts.push_back(shown.text);
        return texts;
    }

    static bool IsSpeechPaletteNotice(const std::string& text)
    {
        return text.starts_with("No test(s) was found in the Speech Palette");
    }

    host::testing::HostFixture host;
    platform::ui::TestResponder responder;
    platform::runtime::ScopedClock clock{kToday};
    std::optional<host::Client> client;
    std::optional<host::Session> session;
    QWidget frame;
    std::unique_ptr<docAudiogramModule> document;
};

// The running audiogram module in English, the English texts at hand for the
// test, and a client with today's session selected.
class EnglishDocumentTest : public DocumentTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DocumentTest::SetUp());
        host.setLanguage(1033);
        host.setRunningModule(host::testing::kAudiogramModule);
        ASSERT_TRUE(english.OpenResourceLibrary(kEnglishLibrary));
        SelectClientWithSession();
    }

    CLangLoader english;
};

}  // namespace testing
}  // namespace brisance
