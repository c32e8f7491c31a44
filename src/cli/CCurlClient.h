#pragma once

#include "core/sync/CHttpClient.h"

#include <string>

// HTTP for the command line's sync, through libcurl: HTTPS with the system's certificates,
// Basic or Digest authentication as the server asks, no redirect followed (the session decides
// where one may lead), and the transfer limits: a reply past its size or a transfer under the
// speed floor is abandoned. One handle, so that the requests of a sync
// share their connection.
class CCurlClient : public CHttpClient {
public:
    CCurlClient(std::string user, std::string password, CTransferLimits limits = {});
    ~CCurlClient() override;

    CHttpResponse Send(const CHttpRequest& request) override;

private:
    std::string m_strUser;
    std::string m_strPassword;
    CTransferLimits m_limits;
    void* m_pHandle;
};
