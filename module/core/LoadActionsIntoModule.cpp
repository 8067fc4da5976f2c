#include "module/core/LoadActionsIntoModule.h"

#include "module/core/ProgramTitle.h"

#include "platform/runtime/Conversions.h"
#include "platform/ui/MessageBox.h"

namespace brisance {

namespace {

using platform::runtime::RuntimeError;
using platform::runtime::Variant;

constexpr std::int32_t kCurrentFormat = 200;
constexpr std::int32_t kEarlierFormat = 100;
constexpr std::int32_t kImpedanceFormat = 100;
constexpr std::int32_t kLeftEar = 3;
constexpr std::int32_t kRightEar = 2;

bool MadeByThisModule(host::IAction& action)
{
    return action.get_CreatorModuleID() == kModuleIdentity;
}

// Runs a step whose failures do not stop the loading.
template <class Step>
void IgnoringFailures(Step step)
{
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

void LoadAudiogram(host::IAction* action, vellum::IVellumDataLayer& data)
{
    if (!action) {
        data.put_DataFormat(kCurrentFormat);
        return;
    }
    data.put_DataFormat(action->get_DataType()->get_Format());
    data.put_Data(action->get_PublicData());
    if (data.get_DataFormat() == kEarlierFormat && MadeByThisModule(*action))
        IgnoringFailures([&] { data.SetSecondaryData(action->get_PrivateData()); });
}

// Another module's impedance action gives no private data, and with no
// private data the ear is not loaded.
void LoadImpedance(host::IAction* action, std::int32_t ear, vellum::IVellumDataLayer& data)
{
    if (!action)
        return;
    const Variant publicData = action->get_PublicData();
    const Variant privateData = MadeByThisModule(*action) ? action->get_PrivateData() : Variant::null();
    if (!publicData.isNull() && !privateData.isNull())
        data.SetImpedanceActionData(ear, kImpedanceFormat, publicData, privateData);
}

void LoadNotes(host::IAction* audiogram, vellum::IVellumKeyedStore& notes)
{
    notes.Clear();
    if (!audiogram)
        return;
    IgnoringFailures([&] {
        if (!MadeByThisModule(*audiogram))
            return;
        const Variant privateData = audiogram->get_PrivateData();
        if (!privateData.isNull())
            notes.put_Data(privateData);
    });
}

void ShowLoadFailure(const RuntimeError& error)
{
    platform::ui::messageBox(nullptr, error.description() + " " + platform::runtime::Str(error.number()),
                             ModuleMessageTitle(), platform::ui::MB_OK);
}

}  // namespace

bool LoadActionsIntoModule(const ActionGroup& actions, vellum::IVellumDataLayer& data, vellum::IVellumKeyedStore& notes,
                           std::optional<RuntimeError>* failure)
{
    try {
        LoadAudiogram(actions[0].get(), data);
        LoadImpedance(actions[1].get(), kLeftEar, data);
        LoadImpedance(actions[2].get(), kRightEar, data);
        LoadNotes(actions[0].get(), notes);
        return true;
    } catch (const RuntimeError& error) {
        if (failure)
            *failure = error;
        else
            ShowLoadFailure(error);
        return false;
    }
}

}  // namespace brisance
