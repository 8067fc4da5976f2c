// The test module. Its document shows "<first name> <last name>: <description
// of the action to show>" (or "no action"), and "shown <n>" after n shows.
// Its print handler draws "Module report: <description of the print action>"
// and "Area <left> <top> <right> <bottom>" at the top left of its area.

#include "host/HostInterfaces.h"
#include "host/tests/testmodule/TestModule.h"

#include "platform/com/Creation.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/DocumentObject.h"
#include "platform/com/ServerExports.h"
#include "platform/gfx/Text.h"
#include "platform/runtime/RuntimeError.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <string>

namespace host::testing {

namespace {

using namespace platform::com;

constexpr std::int32_t kModuleId = 0x200001;

ComPtr<IModuleServer> moduleServer()
{
    ComPtr<IModuleServer> server;
    if (failed(createInstance(kModuleServerClsid, server))) platform::runtime::raise(429, "no module server", "Test");
    return server;
}

std::string descriptionOf(IAction* action)
{
    return action ? action->get_Description() : "no action";
}

class TestDocument final : public Object<IDocumentObject> {
public:
    ~TestDocument() override { delete m_widget; }

    HRESULT SetFrame(const DocumentFrame* frame) override
    {
        delete m_widget;
        if (frame && frame->parent) {
            m_widget = new QLabel(frame->parent);
            m_widget->setObjectName(kTestDocumentWidget);
            m_widget->resize(frame->parent->size());
            m_widget->show();
        }
        return S_OK;
    }

    HRESULT Show() override
    {
        const ComPtr<IModuleServer> server = moduleServer();
        ComPtr<IAction> action;
        server->GetShowAction(kModuleId, nullptr, action.put(), nullptr);
        const ComPtr<IClient> client = server->get_CurrentClient();
        const std::string name = client ? client->get_FirstName() + " " + client->get_LastName() : "nobody";
        if (m_widget)
            m_widget->setText(QString::fromStdString(name + ": " + descriptionOf(action.get()) + ", shown " +
                                                     std::to_string(++m_shows)));
        return S_OK;
    }

    HRESULT Close() override
    {
        delete m_widget;
        return S_OK;
    }

private:
    QPointer<QLabel> m_widget;
    int m_shows = 0;
};

using M = DispatchMember<IModulePrint>;
constexpr M kPrintMembers[] = {M::valueMethod<&IModulePrint::Print>("Print", 1)};
std::span<const M> printMembers() { return kPrintMembers; }

class TestPrintHandler final : public Object<Dispatched<IModulePrint, printMembers>> {
public:
    void Print(IDispatch* tavoPrint) override
    {
        const ComPtr<TavoPrint> print = ComPtr<IDispatch>(tavoPrint).as<TavoPrint>();
        if (!print) platform::runtime::raise(424, "no print object", "Test");
        std::int32_t hdc = 0, left = 0, top = 0, right = 0, bottom = 0;
        print->GetPrintArea(&hdc, &left, &top, &right, &bottom);
        ComPtr<IAction> action;
        moduleServer()->GetPrintAction(kModuleId, nullptr, action.put());
        const std::string description = descriptionOf(action.get());
        if (description == kRefusedDescription) platform::runtime::raise(5, "The report cannot be printed", "Test");
        platform::gfx::textOut(hdc, left, top, "Module report: " + description);
        platform::gfx::textOut(hdc, left, top + 40,
                               "Area " + std::to_string(left) + " " + std::to_string(top) + " " +
                                   std::to_string(right) + " " + std::to_string(bottom));
    }
};

constexpr ClassEntry kClasses[] = {
    {kTestDocumentClsid, createObject<TestDocument>, "Test Document"},
    {kTestPrintHandlerClsid, createObject<TestPrintHandler>, "Test Print Handler"},
};

}  // namespace

}  // namespace host::testing

BRISANCE_COM_SERVER(host::testing::kClasses)
