// What the host's actions say about the audiogram rather than its measured
// data: the date of evaluation, the properties (with the description) and the
// report comments. All three live in the document's notes store and reach
// the host with the next save.

#include "module/document/docAudiogramModule.h"

#include "module/core/GetDateOfEvaluation.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/PreferenceValues.h"
#include "module/core/StoreSelection.h"
#include "module/document/ActionDescription.h"
#include "module/document/DatePicker.h"
#include "module/document/frmAudiogramProperties.h"
#include "module/document/frmDateOfEvaluation.h"
#include "module/document/KeyedStatusBar.h"
#include "module/panels/INotes.h"
#include "module/report/frmReportComments.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/runtime/Dates.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace brisance {

namespace {

using platform::runtime::Date;

constexpr const char* kReportCommentsKey = "ReportComments";
constexpr std::int16_t kReportCommentsCategory = 100;
constexpr std::int16_t kReportCommentsSection = 100;
// The notes panels' comment field.
constexpr std::int32_t kCommentsNote = 6;

bool SameDay(Date first, Date second)
{
    return std::floor(first.days) == std::floor(second.days);
}

QString DateLabel(Date date)
{
    return QString::fromStdString(platform::runtime::dateText(date));
}

}  // namespace

void docAudiogramModule::ConnectEvaluationCommands()
{
    const auto onClick = [this](QAction* item, void (docAudiogramModule::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    onClick(m_menus.mnuEditDate, &docAudiogramModule::EditDateOfEvaluation);
    onClick(m_menus.mnuFileProperties, &docAudiogramModule::mnuFileProperties_Click);
    onClick(m_menus.mnuReportComments, &docAudiogramModule::mnuReportComments_Click);
    connect(m_sbrMain, &KeyedStatusBar::PanelDblClick, this,
            [this](const std::string& key) { Guarded([this, key] { sbrMain_PanelDblClick(key); }); });
}

void docAudiogramModule::sbrMain_PanelDblClick(const std::string& Key)
{
    if (Key == "DATE" && m_mode != kModeReadOnly)
        EditDateOfEvaluation();
}

void docAudiogramModule::EditDateOfEvaluation()
{
    frmDateOfEvaluation dialog(this);
    const std::optional<Date> stored = GetDateOfEvaluation(*m_notes);
    // Where the stored text is no date, today is proposed.
    dialog.EvaluationDate(stored.value_or(platform::runtime::today()));
    dialog.exec();
    if (dialog.Accepted)
        StoreDateOfEvaluation(stored, dialog.EvaluationDate());
}

void docAudiogramModule::mnuFileProperties_Click()
{
    frmAudiogramProperties dialog(this);
    if (const host::ComPtr<host::IAction>& audiogram = m_oGroupActions[0]) {
        dialog.lblDateCreatedValue->setText(DateLabel(audiogram->get_DateCreated()));
        dialog.lblLastModifiedValue->setText(DateLabel(audiogram->get_LastModified()));
        dialog.lblUserInitialsValue->setText(QString::fromStdString(audiogram->get_UserInitials()));
        dialog.txtDescription->setReadOnly(m_mode == kModeReadOnly);
    } else {
        // A new document: the user who is entering it.
        dialog.lblUserInitialsValue->setText(QString::fromStdString(ModuleGlobals::UserInitials()));
    }
    dialog.txtDescription->setText(QString::fromStdString(m_strDescription));
    const std::optional<Date> stored = GetDateOfEvaluation(*m_notes);
    const Date proposed = stored.value_or(platform::runtime::today());
    SetPickerDate(*dialog.dtpDateOfEval, proposed);
    dialog.exec();

    // A stored text that is no date gives way only to a day the user picked.
    const Date chosen = PickerDate(*dialog.dtpDateOfEval);
    if (stored || !SameDay(proposed, chosen))
        StoreDateOfEvaluation(stored, chosen);
    const std::string description = dialog.txtDescription->text().toStdString();
    if (description != m_strDescription) {
        m_strDescription = description;
        // Every later save gives the audiogram action this description.
        MarkCustomDescription(*m_notes);
        MarkNotesChanged();
    }
}

void docAudiogramModule::mnuReportComments_Click()
{
    std::string stored;
    {
        const StoreSelectionKeeper comments(*m_notes, kReportCommentsCategory, kReportCommentsSection);
        stored = PreferenceText(*m_notes, kReportCommentsKey);
    }
    // Without comments of its own the report is offered the views' comment
    // notes.
    std::string proposal = stored;
    if (proposal.empty())
        for (const INotes* notes : {m_oPureTone->Notes(), m_oSpeech->Notes(), m_oImpedance->Notes()})
            proposal += notes->GetNoteTypeText(kCommentsNote) + " ";

    frmReportComments dialog(this);
    dialog.Comments(proposal);
    dialog.exec();
    if (!dialog.OKPressed)
        return;
    const std::string comments = dialog.Comments();
    {
        const StoreSelectionKeeper keeper(*m_notes, kReportCommentsCategory, kReportCommentsSection);
        m_notes->put_Value(kReportCommentsKey, comments);
    }
    if (comments != stored)
        MarkNotesChanged();
}

void docAudiogramModule::StoreDateOfEvaluation(std::optional<Date> stored, Date chosen)
{
    {
        const StoreSelectionKeeper keeper(*m_notes);
        SetDateOfEvaluation(*m_notes, chosen);
    }
    UpdateDatePanel();
    if (!stored || !SameDay(*stored, chosen))
        MarkNotesChanged();
}

void docAudiogramModule::MarkNotesChanged()
{
    // A read-only document is never saved as it is. Otherwise the change
    // counts as the pure-tone view's, whose notes section holds the date and
    // the description, so that closing asks whether to save it and showing
    // the document again keeps it.
    if (m_mode != kModeReadOnly)
        m_oPureTone->DataNeedsSaved(true);
}

}  // namespace brisance
