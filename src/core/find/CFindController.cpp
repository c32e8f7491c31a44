#include "core/find/CFindController.h"

#include "core/document/CAddressDoc.h"
#include "core/find/CFindTexts.h"
#include "core/find/CFindWalk.h"
#include "core/find/CFindWindow.h"
#include "core/settings/CProfile.h"
#include "core/text/CTextFormat.h"
#include "core/ui/CCmdUI.h"
#include "core/ui/CUserInterface.h"
#include "core/ui/CommandIds.h"

#include <utility>

namespace {
// Clears a pointer when the scope ends, however it ends.
class CResetOnExit {
public:
    explicit CResetOnExit(CFindWalk*& pointer) : m_pointer(pointer) {}
    ~CResetOnExit() { m_pointer = nullptr; }
    CResetOnExit(const CResetOnExit&) = delete;
    CResetOnExit& operator=(const CResetOnExit&) = delete;

private:
    CFindWalk*& m_pointer;
};
} // namespace

CFindController::CFindController(CAddressDoc& doc, CUserInterface& ui, CProfile& profile)
    : m_doc(doc), m_ui(ui), m_profile(profile) {
    m_form.m_input.m_bIgnoreCaseWidth =
        m_profile.GetProfileInt(SETTINGS_SECTION, IGNORE_CASE_WIDTH_KEY, 0) != 0;
}

CFindController::~CFindController() {
    DestroyWindow();
}

bool CFindController::HasCommand(int id) const {
    return id == ID_FIND || id == ID_START_FIND || id == ID_CANCEL_FIND;
}

void CFindController::OnUpdateCommand(int id, CCmdUI& ui) {
    if (id == ID_FIND)
        ui.Enable(!m_doc.GetPersonList().empty());
    else if (id == ID_START_FIND)
        ui.Enable(m_pWindow != nullptr && !IsSearching());
}

void CFindController::OnCommand(int id) {
    switch (id) {
    case ID_FIND:
        OnOpen();
        break;
    case ID_START_FIND:
        OnStart();
        break;
    case ID_CANCEL_FIND:
        OnCancel();
        break;
    default:
        break;
    }
}

void CFindController::OnOpen() {
    DestroyWindow();
    if (!m_opener)
        return;
    m_pWindow = m_opener(*this);
    if (!m_pWindow)
        return;
    m_form.m_input.m_ticked.fill(true);
    // A search still running goes on and the fresh window shows it; otherwise the window is
    // idle with the last status line.
    if (!IsSearching()) {
        m_form.m_strButton = CFindTexts::START;
        m_form.m_strHits.clear();
        m_form.m_bHitsVisible = false;
        m_form.m_bProgressVisible = false;
        m_form.m_bSearching = false;
        m_form.m_nProgressPos = 0;
    }
    m_pWindow->ShowInput(m_form.m_input);
    ShowState();
    m_pWindow->FocusText();
}

void CFindController::OnStart() {
    if (IsSearching() || !m_pWindow)
        return;
    const std::optional<CFindInput> input = m_pWindow->ReadInput();
    if (!input)
        return;
    m_form.m_input = *input;
    SetIgnoreCaseWidth(input->m_bIgnoreCaseWidth);
    if (!CheckInput(*input))
        return;
    const std::vector<int> fields = TickedFields(*input);
    ShowSearching(static_cast<int>(fields.size()));
    CFindWalk walk(m_doc, input->m_strText,
                   CFindMatcher(input->m_strText, fields, input->m_bIgnoreCaseWidth));
    m_pWalk = &walk;
    const CResetOnExit reset(m_pWalk);
    m_form.m_nProgressMax = walk.GetProgress().GetRangeMax();
    m_form.m_nProgressPos = 0;
    ShowState();
    Run(walk);
    ShowFinished(walk);
}

bool CFindController::CheckInput(const CFindInput& input) {
    if (input.m_strText.empty()) {
        m_ui.MessageBox(CFindTexts::NO_TEXT, EMessageButtons::Ok, EMessageIcon::Warning);
        if (m_pWindow)
            m_pWindow->FocusText();
        return false;
    }
    if (TickedFields(input).empty()) {
        m_ui.MessageBox(CFindTexts::NO_FIELD, EMessageButtons::Ok, EMessageIcon::Warning);
        if (m_pWindow)
            m_pWindow->FocusField(0);
        return false;
    }
    return true;
}

void CFindController::Run(CFindWalk& walk) {
    for (;;) {
        const EFindStep step = walk.Step(CFindWalk::CClock::now() + TIME_SLICE);
        m_form.m_nProgressPos = walk.GetProgressPosition();
        ShowState();
        // Once more after the last step, while the button still stops: a click made during
        // the last slice is taken as the stop it was.
        if (m_pump)
            m_pump();
        if (step == EFindStep::Finished)
            return;
    }
}

void CFindController::OnCancel() {
    if (m_pWalk)
        m_pWalk->Cancel();
    m_form.m_bSearching = false;
    m_form.m_strButton = CFindTexts::START;
    ShowState();
}

int CFindController::GetButtonCommand() const {
    const bool justEnded = m_endedAt && m_now() - *m_endedAt < LATE_STOP;
    return m_form.m_bSearching || justEnded ? ID_CANCEL_FIND : ID_START_FIND;
}

void CFindController::ShowSearching(int fieldCount) {
    m_form.m_strButton = CFindTexts::STOP;
    m_form.m_strStatus = CTextFormat::Format(CFindTexts::SEARCHING, {std::to_string(fieldCount)});
    m_form.m_bHitsVisible = false;
    m_form.m_bProgressVisible = true;
    m_form.m_bSearching = true;
}

void CFindController::ShowFinished(const CFindWalk& walk) {
    m_endedAt = m_now();
    m_form.m_strButton = CFindTexts::START;
    m_form.m_bSearching = false;
    m_form.m_strStatus = walk.WasStopped() ? CFindTexts::STOPPED : CFindTexts::DONE;
    m_form.m_strHits = CTextFormat::Format(CFindTexts::HITS, {std::to_string(walk.GetHitCount())});
    m_form.m_bHitsVisible = true;
    m_form.m_bProgressVisible = false;
    ShowState();
}

void CFindController::ShowState() const {
    if (m_pWindow)
        m_pWindow->ShowState(m_form);
}

void CFindController::OnWindowClosed(const CFindWindow& window) {
    if (&window != m_pWindow)
        return;
    m_pWindow = nullptr;
    if (m_pWalk)
        m_pWalk->Cancel();
}

void CFindController::OnClosing() {
    if (m_pWalk)
        m_pWalk->Cancel();
    DestroyWindow();
}

void CFindController::DestroyWindow() {
    if (CFindWindow* window = std::exchange(m_pWindow, nullptr))
        window->Destroy();
}

void CFindController::SetIgnoreCaseWidth(bool ignore) {
    const bool stored = m_profile.GetProfileInt(SETTINGS_SECTION, IGNORE_CASE_WIDTH_KEY, 0) != 0;
    m_form.m_input.m_bIgnoreCaseWidth = ignore;
    if (ignore != stored)
        m_profile.WriteProfileInt(SETTINGS_SECTION, IGNORE_CASE_WIDTH_KEY, ignore ? 1 : 0);
}

std::vector<int> CFindController::TickedFields(const CFindInput& input) {
    std::vector<int> fields;
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field) {
        if (input.m_ticked[static_cast<std::size_t>(field)])
            fields.push_back(field);
    }
    return fields;
}
