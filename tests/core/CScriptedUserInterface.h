#pragma once

#include "core/ui/CUserInterface.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Answers questions from a script and remembers what was asked, so no test waits on a window.
// An exhausted script answers Cancel and cancels every file chooser.
class CScriptedUserInterface : public CUserInterface {
public:
    EMessageResult MessageBox(std::string_view text, EMessageButtons, EMessageIcon) override {
        m_asked.emplace_back(text);
        return Next(m_answers, EMessageResult::Cancel);
    }

    std::optional<std::string> GetOpenFileName() override {
        ++m_nOpenDialogs;
        return Next(m_openFileNames, std::optional<std::string>());
    }

    std::optional<std::string> GetSaveFileName(const std::string& suggested) override {
        m_suggestedNames.push_back(suggested);
        return Next(m_saveFileNames, std::optional<std::string>());
    }

    bool OpenUrl(const std::string& url) override {
        m_openedUrls.push_back(url);
        return m_bOpenUrlSucceeds;
    }

    void SetClipboardText(std::string_view text) override { m_clipboardTexts.emplace_back(text); }

    std::deque<EMessageResult> m_answers;
    std::vector<std::string> m_asked;
    std::deque<std::optional<std::string>> m_openFileNames;
    int m_nOpenDialogs = 0;
    std::deque<std::optional<std::string>> m_saveFileNames;
    std::vector<std::string> m_suggestedNames;
    std::vector<std::string> m_openedUrls;
    bool m_bOpenUrlSucceeds = true;
    std::vector<std::string> m_clipboardTexts;

private:
    template <typename T> static T Next(std::deque<T>& script, T whenEmpty) {
        if (script.empty())
            return whenEmpty;
        T next = std::move(script.front());
        script.pop_front();
        return next;
    }
};
