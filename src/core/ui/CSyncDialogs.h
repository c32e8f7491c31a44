#pragma once

#include <memory>
#include <string>
#include <vector>

class CHttpClient;

// Where and as whom a book syncs. The password is never written anywhere.
struct CSyncLogin {
    std::string url;
    std::string user;
    std::string password;
};

// What the sync asks of the desktop: the server question, filled in with what was last used,
// and an HTTP client for the answer (Qt Network in the window, a scripted server in tests).
class CSyncDialogs {
public:
    virtual ~CSyncDialogs() = default;
    // False when the person cancelled.
    virtual bool AskServer(CSyncLogin& login) = 0;
    virtual std::unique_ptr<CHttpClient> MakeClient(const CSyncLogin& login) = 0;
    // One of the address books a server's URL led to; false when the person cancelled.
    virtual bool ChooseCollection(const std::vector<std::string>& collections,
                                  std::string& chosen) = 0;
};
