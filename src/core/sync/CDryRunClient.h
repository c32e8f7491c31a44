#pragma once

#include "core/sync/CHttpClient.h"

// The server as a dry run sees it: whatever is read is read, nothing is written. A write is
// answered as if the server had taken it, so that the sync goes on to tell what it would do.
class CDryRunClient : public CHttpClient {
public:
    explicit CDryRunClient(CHttpClient& http) : m_http(http) {}

    CHttpResponse Send(const CHttpRequest& request) override;

private:
    CHttpClient& m_http;
};
