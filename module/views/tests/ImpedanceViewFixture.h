#pragma once
// An impedance view as the document sets it up, in a shown window: its data
// object, notes and preference store from the built Vellum library, the
// English texts, every panel shown, the right ear on the left. It records
// each SaveState with the snapshot the document would take at that moment.

#include "module/views/CImpedance.h"

#include "module/panels/INotes.h"
#include "module/panels/TolvEditGrid.h"
#include "module/testing/RegisterServer.h"
#include "module/views/ctlARTView.h"
#include "module/views/ctlTympanometry.h"
#include "platform/com/Creation.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace brisance::testing {

inline constexpr std::int32_t kLeft = 3;
inline constexpr std::int32_t kRight = 2;

struct SavedState {
    std::string undo;
    std::string redo;
    platform::runtime::Variant snapshot;  // the data when SaveState came
};

class ImpedanceViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(registerServer(VELLUM_LIBRARY_PATH));
        data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
        notes = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        prefs = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        texts = std::make_shared<CLangLoader>();
        ASSERT_TRUE(texts->OpenResourceLibrary(BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so"));

        view = new CImpedance(&window);
        view->DataLayer(data);
        view->NotesLayer(notes);
        view->LanguageLoader(texts);
        view->Prefs(prefs);
        view->LoadStrings();
        view->ShowTymp(true);
        view->ShowNotes(true);
        view->ShowIpsi(true);
        view->ShowContra(true);
        view->RightOnLeft(true);
        QObject::connect(view, &CImpedance::SaveState, [this](const std::string& undo, const std::string& redo) {
            saved.push_back({undo, redo, data->get_Data()});
        });
        window.resize(800, 500);
        view->resize(window.size());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    ctlTympanometry& tympanometry() const { return *view->findChild<ctlTympanometry*>("oTymp"); }
    // A tympanometry box of the right ear's (0) or the left ear's (1) column.
    QLineEdit& box(const char* field, int column) const
    {
        return *tympanometry().findChild<QLineEdit*>(QStringLiteral("txt%1%2").arg(field).arg(column));
    }
    ctlARTView& reflexes(std::size_t panel) const
    {
        return panel == 0 ? *view->IpsilateralReflexTable() : *view->ContralateralReflexTable();
    }
    TolvEditGrid& grid(std::size_t panel, int side) const
    {
        return *reflexes(panel).findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(side));
    }
    std::vector<std::string> cells(std::size_t panel, int side) const
    {
        std::vector<std::string> texts;
        for (std::int32_t column = 0; column < 9; ++column)
            texts.push_back(grid(panel, side).GetCellText(column, 0));
        return texts;
    }
    QPushButton& decayButton(std::size_t panel, int side, int column) const
    {
        return *reflexes(panel).findChild<QPushButton*>(QStringLiteral("cmdDecay%1_%2").arg(side).arg(column));
    }

    vellum::ComPtr<vellum::IVellumTympanogram> tympanogram(std::int32_t ear) const
    {
        vellum::ComPtr<vellum::IVellumTympanogram> found;
        data->get_Tympanograms()->Find(ear, found);
        return found;
    }
    // A stored reflex point's level (thresholds) or decay (decay curves);
    // none when there is no such point.
    std::optional<std::int16_t> reflexValue(std::int32_t curveType, std::int32_t ear, std::int32_t code) const
    {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!data->get_PureToneCurves()->Find(curveType, ear, 2, curve) || !curve->get_Points()->Exists(code))
            return std::nullopt;
        const auto point = curve->get_Points()->Item(code);
        return curveType >= vellum::kCurveIpsilateralDecay ? point->get_Decay() : point->get_Level();
    }
    void storeReflex(std::int32_t curveType, std::int32_t ear, std::int32_t code, std::int16_t value) const
    {
        const auto curves = data->get_PureToneCurves();
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (!curves->Find(curveType, ear, 2, curve))
            curve = curves->Add(curveType, ear, 2);
        const auto point = curve->get_Points()->Add(code);
        if (curveType >= vellum::kCurveIpsilateralDecay)
            point->put_Decay(value);
        else
            point->put_Level(value);
    }

    vellum::ComPtr<vellum::IVellumDataLayer> data;
    vellum::ComPtr<vellum::IVellumKeyedStore> notes;
    vellum::ComPtr<vellum::IVellumKeyedStore> prefs;
    std::shared_ptr<CLangLoader> texts;
    QWidget window;
    CImpedance* view = nullptr;
    std::vector<SavedState> saved;
};

}  // namespace brisance::testing
