#pragma once

#include "core/sync/CHttpRequest.h"

#include <string>
#include <string_view>

// Why a request got no answer the sync can use.
enum class EHttpFailure {
    None,
    Network,   // no connection, a broken certificate, a reset; `error` says which
    TooLarge,  // the reply passed its limit
    TooSlow,   // the transfer stayed under the speed floor too long
    OtherHost, // a redirect or a named URL led away from the origin the user gave
    Outside,   // an address outside the collection
};

// What kind of network failure it was, so that the user is told in the program's words.
enum class ENetworkError { Other, HostNotFound, Refused, TimedOut, Certificate, Cancelled };

// What came back. A status of 0 means no answer at all; `failure` then says why, and `error`
// holds the transport's own words for a network failure.
struct CHttpResponse {
    int status = 0;
    CHttpHeaders headers;
    std::string body;
    std::string error;
    std::string url; // the request's, or where a redirect within the origin led
    EHttpFailure failure = EHttpFailure::None;
    ENetworkError network = ENetworkError::Other; // for a network failure

    // What a transport gives back for a request it gave up (too large or too slow), with the
    // message that says so.
    static CHttpResponse Abandoned(EHttpFailure failure, const CHttpRequest& request,
                                   const CTransferLimits& limits);

    // The first header of that name, names compared without case; empty when there is none.
    std::string Header(std::string_view name) const;
    bool IsSuccess() const { return status >= 200 && status < 300; }
    bool IsRedirect() const {
        return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
    }
};
