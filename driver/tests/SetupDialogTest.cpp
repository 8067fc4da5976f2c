#include "driver/BoneVibratorDialog.h"
#include "driver/DialogPlacement.h"
#include "driver/DriverLibrary.h"
#include "driver/HalvecSetupDialog.h"
#include "driver/PortSetupDialog.h"
#include "driver/SetupDialog.h"
#include "platform/registry/Profile.h"
#include "platform/testing/ModalDialogs.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/WindowHandle.h"
#include "tools/instrument-sim/Instrument.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace marlet {
namespace {

using platform::testing::child;
using platform::testing::choose;
using platform::testing::click;

QStringList items(const QComboBox& combo)
{
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list << combo.itemText(i);
    return list;
}

std::string storedModel()
{
    return platform::registry::Profile("Pelmworks", "marlet").getString("Default", "Model", "");
}

class SetupDialogTest : public ::testing::Test {
protected:
    platform::ui::TestResponder responder;
    DriverLibrary library{"marlet", {}};
    std::unique_ptr<SetupDialog> dialog;

    void open()
    {
        dialog = std::make_unique<SetupDialog>(library, nullptr);
        dialog->show();
    }

    QComboBox* combo(const char* name) const { return child<QComboBox>(*dialog, name); }
};

TEST_F(SetupDialogTest, EachModelOffersItsOwnLineSettings)
{
    struct Case {
        const char* side;
        const char* model;
        QStringList bauds;
        QStringList bitsParity;
        bool lineButtons;
    };
    const Case cases[] = {
        {"Audiometer", "Tessil", {"300", "600", "1200", "1800", "2400", "4800", "9600", "19200"}, {"7 / Even"}, false},
        {"Audiometer", "Dunmor", {"300", "600", "1200", "2400", "4800", "9600"}, {"7 / Even"}, false},
        {"Audiometer", "Halvec", {"600", "1200", "2400", "4800", "9600", "19200"},
         {"7 / Space", "7 / Even", "7 / Odd", "8 / None"}, true},
        {"Audiometer", "Pyrel", {"4800", "9600", "19200", "38400", "57600", "115200"},
         {"7 / Space", "7 / Even", "7 / Odd", "8 / None"}, true},
        {"Tympanometer", "Quorrel v2", {"300", "600", "1200", "2400", "4800", "9600", "19200"},
         {"7 / None", "7 / Even", "7 / Odd", "8 / None"}, false},
        {"Tympanometer", "Quorrel v1", {"300", "600", "1200", "2400", "4800", "9600"},
         {"7 / None", "7 / Even", "7 / Odd", "8 / None"}, false},
    };
    open();
    EXPECT_EQ(dialog->windowTitle(), "Pelm Corvane Setup");
    EXPECT_EQ(items(*combo("AudiometerModel")), QStringList({"Tessil", "Dunmor", "Halvec", "Pyrel", "None"}));
    EXPECT_EQ(items(*combo("TympanometerModel")), QStringList({"Quorrel v2", "Quorrel v1", "None"}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const std::string side = c.side;
        choose(combo((side + "Model").c_str()), c.model);
        EXPECT_EQ(items(*combo((side + "Baud").c_str())), c.bauds);
        EXPECT_EQ(items(*combo((side + "BitsParity").c_str())), c.bitsParity);
        EXPECT_EQ(combo((side + "Port").c_str())->count(), 16);
        EXPECT_TRUE(combo((side + "Port").c_str())->isEnabled());
        if (side == "Audiometer") {
            EXPECT_EQ(child(*dialog, "AudiometerXonXoff")->isEnabled(), c.lineButtons);
            EXPECT_EQ(child(*dialog, "Audiometer2Bits")->isEnabled(), c.lineButtons);
        }
        choose(combo((side + "Model").c_str()), "None");
        EXPECT_EQ(combo((side + "Baud").c_str())->count(), 0);
        EXPECT_FALSE(combo((side + "Port").c_str())->isEnabled()) << "None disables its side";
        EXPECT_FALSE(child(*dialog, (side + "PortSetup").c_str())->isEnabled());
    }
}

TEST_F(SetupDialogTest, ChangingTheModelKeepsThePreviousModelsEdits)
{
    open();
    choose(combo("AudiometerModel"), "Tessil");
    choose(combo("AudiometerPort"), "COM5");
    choose(combo("AudiometerBaud"), "1200");
    choose(combo("AudiometerModel"), "Halvec");
    EXPECT_EQ(combo("AudiometerPort")->currentText(), "COM1") << "Halvec's own record";
    EXPECT_EQ(combo("AudiometerBaud")->currentText(), "9600");
    choose(combo("AudiometerModel"), "Tessil");
    EXPECT_EQ(combo("AudiometerPort")->currentText(), "COM5");
    EXPECT_EQ(combo("AudiometerBaud")->currentText(), "1200");
}

TEST_F(SetupDialogTest, OkWithAFailingCheckSavesNothingAndOpensThePortSetUp)
{
    open();
    choose(combo("AudiometerModel"), "Tessil");
    choose(combo("TympanometerModel"), "Quorrel v2");  // both on COM1
    click(child(*dialog, "OK"));
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].title, "Port Setup Error");
    EXPECT_EQ(responder.shown()[0].text, "Invalid port.");
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_NE(dialog->portSetupDialog(), nullptr);
    EXPECT_EQ(child<QLabel>(*dialog->portSetupDialog(), "PortLabel")->text(), "Port :  COM1");
    EXPECT_EQ(storedModel(), "");
    EXPECT_EQ(library.settings().values().model, "None");
}

TEST_F(SetupDialogTest, OkWithAPassingCheckStoresSavesAndCloses)
{
    const instrument_sim::Instrument tessil(ModelTessil, "COM3");
    open();
    choose(combo("AudiometerModel"), "Tessil");
    choose(combo("AudiometerPort"), "COM3");
    click(child(*dialog, "OK"));
    EXPECT_TRUE(responder.shown().empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(storedModel(), "Tessil");
    EXPECT_EQ(library.settings().values().models[ModelTessil].port, "COM3");
    EXPECT_EQ(library.instrumentModel(), ModelTessil);
    EXPECT_FALSE(library.ports().audiometer.port.isOpen()) << "the check's ports are not kept";
}

TEST_F(SetupDialogTest, ThePortSetUpReadsTheAddressItWasGiven)
{
    library.settings().update([](SettingsValues& v) {
        v.model = "Tessil";
        v.ports[0].address = "bad";  // a stored value that could never be corrected otherwise
    });
    open();
    click(child(*dialog, "AudiometerPortSetup"));
    QDialog* ports = dialog->portSetupDialog();
    ASSERT_NE(ports, nullptr);
    QLineEdit* address = child<QComboBox>(*ports, "Address")->lineEdit();
    address->selectAll();
    QTest::keyClicks(address, "3F8");
    click(child(*ports, "OK"));
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, "Invalid Address  \"3F8\"");
    EXPECT_TRUE(ports->isVisible());

    address->selectAll();
    QTest::keyClicks(address, "0x3f8");
    click(child(*ports, "OK"));
    EXPECT_EQ(responder.shown().size(), 1u) << responder.shown().back().text;
    EXPECT_EQ(library.settings().values().ports[0].address, "0x03F8");
    EXPECT_EQ(platform::registry::Profile("Pelmworks", "marlet").getString("COM1", "Address", ""), "0x03F8");
}

TEST_F(SetupDialogTest, TheAdvancedDialogsStoreTheirChoices)
{
    const TextTable texts;
    ModelSettings settings = defaultSettings().models[ModelHalvec];
    HalvecSetupDialog halvec(texts, settings, nullptr);
    halvec.show();
    click(child(halvec, "EntireCurve"));
    click(child(halvec, "SoundField"));
    click(child(halvec, "AlwaysAsk"));
    halvec.store(settings);
    EXPECT_EQ(settings.mclUclTransfer, "Entire Curve");
    EXPECT_EQ(settings.acCurve, "Free Field Speakers");
    EXPECT_EQ(settings.acCurveAsk, "YES");

    settings.boneVibratorCalibration = "Unknown";
    BoneVibratorDialog bone(texts, settings, nullptr);
    bone.show();
    bone.store(settings);
    EXPECT_EQ(settings.boneVibratorCalibration, "Unknown") << "neither chosen";
    click(child(bone, "Forehead"));
    bone.store(settings);
    EXPECT_EQ(settings.boneVibratorCalibration, "Forehead");
}

TEST_F(SetupDialogTest, SetupAudiEndsWithOkOrCancelAndIsRefusedWhileConnected)
{
    QWidget window;
    window.resize(300, 200);
    const auto handle = platform::ui::windowHandle(&window);
    platform::testing::ModalDialogs dialogs;
    dialogs.answer<SetupDialog>([&](SetupDialog& shown) {
        EXPECT_EQ(shown.parentWidget(), &window);
        click(child(shown, "Cancel"));
    });
    EXPECT_EQ(library.setupAudi2(handle), kResultOk);
    dialogs.answer<SetupDialog>([](SetupDialog& shown) { click(child(shown, "OK")); });
    EXPECT_EQ(library.setupAudi2(0), kResultOk);
    EXPECT_EQ(storedModel(), "None") << "OK saved";

    std::int16_t poll = 0;
    ASSERT_EQ(library.reqAudiCon2(&poll, handle), kResultOk);
    EXPECT_EQ(library.setupAudi2(handle), kResultAlreadyConnected);
}

TEST(DialogPlacement, CentredBesideAndInsideTheWorkArea)
{
    const QRect workArea(0, 0, 800, 600);
    const QSize size(200, 100);
    EXPECT_EQ(centredPosition(QRect(100, 100, 400, 300), size, workArea), QPoint(200, 200));
    EXPECT_EQ(centredPosition(std::nullopt, size, workArea), QPoint(300, 250));
    EXPECT_EQ(centredPosition(QRect(-300, 500, 200, 200), size, workArea), QPoint(0, 500)) << "kept inside";
    EXPECT_EQ(besidePosition(QRect(100, 100, 300, 200), size, workArea), QPoint(400, 150)) << "right";
    EXPECT_EQ(besidePosition(QRect(500, 100, 300, 200), size, workArea), QPoint(300, 150)) << "left at the edge";
    EXPECT_EQ(besidePosition(QRect(100, 540, 300, 100), size, workArea), QPoint(400, 500)) << "kept inside";
}

TEST(DialogPlacement, TheStatusDialogStandsInTheCallersWindow)
{
    EXPECT_EQ(statusDialogPosition(400), QPoint(325, 60)) << "a narrow window: at least 325";
    EXPECT_EQ(statusDialogPosition(1000), QPoint(435, 60)) << "half the width less 65";
    EXPECT_EQ(statusDialogPosition(0), QPoint(325, 60)) << "no caller's window";
}

}  // namespace
}  // namespace marlet
