#pragma once
// Document objects: a component that a host shows as a whole document inside
// its own frame window. The host creates the document by class id, gives it a
// frame, shows it (as often as it brings the document to view) and, when the
// document is to go, asks it to close; the document may ask the user whether
// to save first.
//
//     ComPtr<IDocumentObject> document;
//     createInstance(documentClsid, document);
//     document->SetFrame(&frame);
//     document->Show();
//     ...
//     document->Close();

#include "platform/com/IUnknown.h"

class QMenuBar;
class QStatusBar;
class QWidget;

namespace platform::com {

// What the host's frame offers a document; the frame outlives the document's use of it.
struct DocumentFrame {
    QWidget* parent = nullptr;         // the document's widget becomes its child and fills it
    QMenuBar* menuBar = nullptr;       // where the document puts its menus; null: none
    QStatusBar* statusBar = nullptr;   // where the document shows its status; null: none
};

class IDocumentObject : public IUnknown {
public:
    static constexpr IID iid = makeGuid("{54E5A99D-B5E2-47A8-AF1F-B9998D2822C6}");
    using Base = IUnknown;

    // Places the document in the frame (null: takes it out of its frame).
    virtual HRESULT SetFrame(const DocumentFrame* frame) = 0;
    // Brings the document to view; runs every time the host shows it.
    virtual HRESULT Show() = 0;
    // Ends the document: it may ask to save, then releases what it holds and
    // leaves the frame. The host releases its reference afterwards.
    virtual HRESULT Close() = 0;

protected:
    ~IDocumentObject() = default;
};

}  // namespace platform::com
