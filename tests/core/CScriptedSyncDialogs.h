#pragma once

#include "core/sync/CHttpClient.h"
#include "core/ui/CSyncDialogs.h"

#include <functional>
#include <memory>
#include <vector>

// Plays the user of the server question and hands out a client that forwards to a scripted
// server. No script cancels; each question's prefilled login is kept for the test to read.
class CScriptedSyncDialogs : public CSyncDialogs {
public:
    explicit CScriptedSyncDialogs(CHttpClient& server) : m_server(server) {}

    bool AskServer(CSyncLogin& login) override {
        m_asked.push_back(login);
        return m_answer && m_answer(login);
    }

    std::unique_ptr<CHttpClient> MakeClient(const CSyncLogin& login) override {
        m_clientLogins.push_back(login);
        return std::make_unique<CForward>(m_server);
    }

    bool ChooseCollection(const std::vector<std::string>& collections,
                          std::string& chosen) override {
        m_offered = collections;
        if (m_chosen.empty())
            return false;
        chosen = m_chosen;
        return true;
    }

    std::function<bool(CSyncLogin&)> m_answer;
    std::string m_chosen; // empty: the choice is cancelled
    std::vector<std::string> m_offered;
    std::vector<CSyncLogin> m_asked;
    std::vector<CSyncLogin> m_clientLogins;

private:
    class CForward : public CHttpClient {
    public:
        explicit CForward(CHttpClient& to) : m_to(to) {}
        CHttpResponse Send(const CHttpRequest& request) override { return m_to.Send(request); }

    private:
        CHttpClient& m_to;
    };

    CHttpClient& m_server;
};
