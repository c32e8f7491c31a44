#pragma once

#include "core/sync/CHttpClient.h"

#include <string>

// HTTP for the command line's sync, through libcurl: HTTPS with the system's certificates,
// Basic or Digest authentication as the server asks, redirects followed with the method kept,
// and timeouts for a server that does not answer. One handle, so that the requests of a sync
// share their connection.
class CCurlClient : public CHttpClient {
public:
    CCurlClient(std::string user, std::string password);
    ~CCurlClient() override;

    CHttpResponse Send(const CHttpRequest& request) override;

private:
    std::string m_strUser;
    std::string m_strPassword;
    void* m_pHandle;
};
