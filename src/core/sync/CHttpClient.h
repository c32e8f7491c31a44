#pragma once

#include "core/sync/CHttpRequest.h"
#include "core/sync/CHttpResponse.h"

// How the sync reaches a server: libcurl on the command line, Qt Network in the window and a
// scripted server in the tests.
class CHttpClient {
public:
    CHttpClient() = default;
    CHttpClient(const CHttpClient&) = delete;
    CHttpClient& operator=(const CHttpClient&) = delete;
    virtual ~CHttpClient() = default;

    virtual CHttpResponse Send(const CHttpRequest& request) = 0;
};
