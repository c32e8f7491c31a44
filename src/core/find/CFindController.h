#pragma once

#include "core/find/CFindForm.h"
#include "core/ui/CCommandTarget.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CAddressDoc;
class CFindWalk;
class CFindWindow;
class CProfile;
class CUserInterface;

// The document's find commands: opening the modeless find dialog (one window at a time, built
// afresh at every opening), starting a search and stopping it. A search runs inside its start
// command and lets the window handle pending events between its steps, so the stop button,
// the views and the menus stay usable; it can never be started twice at once.
class CFindController : public CCommandTarget {
public:
    // Builds a fresh window for the controller and shows it; the window tells the controller
    // when it closes itself.
    using CWindowOpener = std::function<CFindWindow*(CFindController&)>;
    // Lets the pending events of the window run.
    using CEventPump = std::function<void()>;

    static constexpr const char* SETTINGS_SECTION = "Find";
    static constexpr const char* IGNORE_CASE_WIDTH_KEY = "IgnoreCaseWidth";
    // A search lets events run about this often, however far apart its progress steps are.
    static constexpr std::chrono::milliseconds TIME_SLICE{40};
    // For this long after a search ended the button still stops: the screen may have shown
    // 検索中止 when the click was made, and that click must never start a search.
    static constexpr std::chrono::milliseconds LATE_STOP{400};
    using CClock = std::chrono::steady_clock;
    using CNow = std::function<CClock::time_point()>;

    CFindController(CAddressDoc& doc, CUserInterface& ui, CProfile& profile);
    ~CFindController() override;
    CFindController(const CFindController&) = delete;
    CFindController& operator=(const CFindController&) = delete;

    void SetWindowOpener(CWindowOpener opener) { m_opener = std::move(opener); }
    void SetEventPump(CEventPump pump) { m_pump = std::move(pump); }
    void SetClock(CNow now) { m_now = std::move(now); }

    bool HasCommand(int id) const override;
    void OnUpdateCommand(int id, CCmdUI& ui) override;
    void OnCommand(int id) override;

    void OnOpen();
    void OnStart();
    void OnCancel();
    // What the dialog's one button sends: stop while a search runs or has only just ended,
    // else start.
    int GetButtonCommand() const;
    // The window closed itself (close button, Escape); a running search stops with it.
    void OnWindowClosed(const CFindWindow& window);
    // The program is closing: a running search stops and the window goes.
    void OnClosing();
    // Remembered in the settings file at once.
    void SetIgnoreCaseWidth(bool ignore);

    bool IsSearching() const { return m_pWalk != nullptr; }
    const CFindForm& GetForm() const { return m_form; }
    CFindWindow* GetWindow() const { return m_pWindow; }

    static std::vector<int> TickedFields(const CFindInput& input);

private:
    bool CheckInput(const CFindInput& input);
    void Run(CFindWalk& walk);
    void ShowSearching(int fieldCount);
    void ShowFinished(const CFindWalk& walk);
    void ShowState() const;
    void DestroyWindow();

    CAddressDoc& m_doc;
    CUserInterface& m_ui;
    CProfile& m_profile;
    CWindowOpener m_opener;
    CEventPump m_pump;
    CNow m_now = &CClock::now;
    std::optional<CClock::time_point> m_endedAt;
    CFindWindow* m_pWindow = nullptr;
    CFindWalk* m_pWalk = nullptr;
    CFindForm m_form;
};
