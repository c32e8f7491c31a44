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
    // Certificates to trust instead of the system's (a self-signed server's).
    void SetCaFile(std::string path) { m_strCaFile = std::move(path); }

private:
    void LearnAuth(void* handle);

    std::string m_strUser;
    std::string m_strPassword;
    std::string m_strCaFile;
    CTransferLimits m_limits;
    // The schemes offered until the server has named its own; Basic alone once it has, so
    // that the credentials go with each request rather than after a refusal.
    long m_nAuth;
    void* m_pHandle;
};
