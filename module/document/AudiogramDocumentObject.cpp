#include "module/document/AudiogramDocumentObject.h"

#include "module/document/docAudiogramModule.h"

#include "platform/com/DocumentObject.h"
#include "platform/com/Object.h"

#include <QPointer>

namespace brisance {

namespace {

using platform::com::HRESULT;
using platform::com::S_OK;

// Owns the document's widget: the widget lives as long as the object,
// wherever the host frames it.
class AudiogramDocumentObject final : public platform::com::Object<platform::com::IDocumentObject> {
public:
    AudiogramDocumentObject() : m_document(new docAudiogramModule) {}
    ~AudiogramDocumentObject() override { delete m_document; }

    HRESULT SetFrame(const platform::com::DocumentFrame* frame) override
    {
        if (m_document)
            m_document->SetFrame(frame);
        return S_OK;
    }

    HRESULT Show() override
    {
        if (m_document)
            m_document->Show();
        return S_OK;
    }

    HRESULT Close() override
    {
        if (m_document)
            m_document->Terminate();
        return S_OK;
    }

private:
    // Null once a frame that was destroyed took the widget with it.
    QPointer<docAudiogramModule> m_document;
};

}  // namespace

HRESULT CreateAudiogramDocument(const platform::com::IID& iid, void** object)
{
    return platform::com::createObject<AudiogramDocumentObject>(iid, object);
}

}  // namespace brisance
