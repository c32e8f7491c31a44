#pragma once

#include "core/sync/CDavXml.h"
#include "core/sync/CHttpClient.h"

#include <string>
#include <vector>

// The server's cards as a listing gave them: every card (`complete`), or only the ones changed
// and removed since a token.
struct CDavListing {
    bool ok = false;
    bool complete = false;
    bool tokenRefused = false;
    std::string token;
    std::vector<CDavResource> changed; // href and ETag
    std::vector<std::string> removed;  // hrefs
    CHttpResponse failure;             // the answer that stopped it, when not ok
};

// The few WebDAV and CardDAV requests the sync makes, over any CHttpClient.
class CDavSession {
public:
    explicit CDavSession(CHttpClient& http) : m_http(http) {}

    // The address-book collection `url` leads to: itself when it is one, else the first address
    // book of the user found through /.well-known/carddav, the principal and its home set.
    // Empty when there is none; `failure` then holds the last answer.
    std::string Discover(const std::string& url, CHttpResponse& failure);
    // The sync-collection report from `token` (empty: every card); a server without it, or one
    // that refuses even an empty token, is listed with PROPFIND instead.
    CDavListing List(const std::string& collection, const std::string& token);
    // The cards at `hrefs` with their ETags in one addressbook-multiget report; not ok from a
    // server without it, which the caller then asks card by card.
    CDavMultistatus MultiGet(const std::string& collection, const std::vector<std::string>& hrefs,
                             CHttpResponse& answer);
    CHttpResponse Get(const std::string& url);
    // `etag` empty: only when nothing is there yet (If-None-Match), else If-Match.
    CHttpResponse Put(const std::string& url, const std::string& card, const std::string& etag);
    CHttpResponse Delete(const std::string& url, const std::string& etag);

    // The absolute URL of `href` (an absolute path, or a whole URL) on `base`'s server.
    static std::string Resolve(const std::string& base, const std::string& href);
    // The path of a URL, for comparing with hrefs.
    static std::string PathOf(const std::string& url);

private:
    CHttpResponse Propfind(const std::string& url, int depth, const std::string& body);
    CDavListing SyncReport(const std::string& collection, const std::string& token);
    CDavListing PropfindListing(const std::string& collection);

    CHttpClient& m_http;
};
