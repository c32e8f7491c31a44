#pragma once

#include "core/sync/CHttpRequest.h"

#include <string>
#include <string_view>

// What came back. A status of 0 means no answer at all (no connection, a timeout, a broken
// certificate); `error` then says why, for the user.
struct CHttpResponse {
    int status = 0;
    CHttpHeaders headers;
    std::string body;
    std::string error;
    std::string url; // where the answer came from after redirects; the request's when unknown

    // The first header of that name, names compared without case; empty when there is none.
    std::string Header(std::string_view name) const;
    bool IsSuccess() const { return status >= 200 && status < 300; }
};
