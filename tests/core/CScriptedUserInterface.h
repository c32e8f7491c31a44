#pragma once

#include "ui/CUserInterface.h"

#include <deque>
#include <string>
#include <vector>

// Answers questions from a script and remembers what was asked, so no test waits on a window.
class CScriptedUserInterface : public CUserInterface {
public:
    EMessageResult MessageBox(std::string_view text, EMessageButtons, EMessageIcon) override {
        m_asked.emplace_back(text);
        if (m_answers.empty())
            return EMessageResult::Cancel;
        const EMessageResult answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::deque<EMessageResult> m_answers;
    std::vector<std::string> m_asked;
};
