#include "module/preferences/OptionPage.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/ShowRaisedError.h"
#include "module/panels/TwipsGeometry.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace brisance {

namespace {

// The layout, in twips.
constexpr int kMargin = 120;
constexpr int kRowHeight = 255;
constexpr int kFirstRowTop = 270;
constexpr int kRowPitch = 300;
constexpr int kFrameChrome = 360;  // a frame's caption and lower border
constexpr int kFrameGap = 90;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;

}  // namespace

OptionPage::OptionPage(int helpContext, TextResources caption) : m_helpContext(helpContext)
{
    setWindowTitle(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString2(caption)));
    cmdOK = new QPushButton(Text(TR_OK), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(Text(TR_CANCEL), this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

vellum::IVellumKeyedStore& OptionPage::Store() const
{
    if (!m_store)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    return *m_store;
}

QString OptionPage::Text(TextResources id)
{
    return QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(id));
}

QGroupBox* OptionPage::AddFrame(const char* name, TextResources caption, int left, int top, int width, int height)
{
    auto* frame = new QGroupBox(Text(caption), this);
    frame->setObjectName(name);
    frame->setGeometry(twipsRect(left, top, width, height));
    return frame;
}

QCheckBox* OptionPage::AddCheckBox(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                   int width)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(twipsRect(left, top, width, kRowHeight));
    return box;
}

std::vector<QRadioButton*> OptionPage::AddOptions(QGroupBox* frame, const char* name,
                                                  std::initializer_list<TextResources> captions)
{
    const int width = platform::ui::pixelsToTwipsX(frame->width()) - 2 * kMargin;
    std::vector<QRadioButton*> options;
    for (TextResources caption : captions) {
        auto* option = new QRadioButton(Text(caption), frame);
        option->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(options.size()));
        option->setGeometry(twipsRect(kMargin, RowTop(static_cast<int>(options.size())), width, kRowHeight));
        options.push_back(option);
    }
    return options;
}

QGroupBox* OptionPage::AddFrameInColumn(int& columnTop, int left, int width, const char* name, TextResources caption,
                                        int rows, int extra)
{
    const int height = kFrameChrome + rows * kRowPitch + extra;
    QGroupBox* frame = AddFrame(name, caption, left, columnTop, width, height);
    columnTop += height + kFrameGap;
    return frame;
}

int OptionPage::RowTop(int row)
{
    return kFirstRowTop + row * kRowPitch;
}

void OptionPage::PlaceButtons(int right, int top)
{
    cmdCancel->setGeometry(twipsRect(right - kButtonWidth, top, kButtonWidth, kButtonHeight));
    cmdOK->setGeometry(twipsRect(right - 2 * kButtonWidth - kMargin, top, kButtonWidth, kButtonHeight));
    setFixedSize(twipsRect(0, 0, right + kMargin, top + kButtonHeight + kMargin).size());
}

void OptionPage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowContextHelp(this, m_helpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

void OptionPage::cmdOK_Click()
{
    try {
        SavePreferences();
    } catch (const platform::runtime::RuntimeError& error) {
        ShowRaisedError(this, error);
        return;
    }
    accept();
}

void ShowOptionPage(OptionPage& page, vellum::ComPtr<vellum::IVellumKeyedStore> store, QWidget* opener)
{
    page.Preferences(std::move(store));
    try {
        page.LoadPreferences();
    } catch (const platform::runtime::RuntimeError& error) {
        ShowRaisedError(opener, error);
        return;
    }
    page.exec();
}

}  // namespace brisance
