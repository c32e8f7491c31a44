#pragma once

#include "core/sync/CDavUrl.h"
#include "core/sync/CDavXml.h"
#include "core/sync/CHttpClient.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The server's cards as a listing gave them: every card (`complete`), or only the ones changed
// and removed since a token. Hrefs are canonical paths inside the collection; the others are
// only counted.
struct CDavListing {
    bool ok = false;
    bool complete = false;
    bool tokenRefused = false;
    std::string token;
    std::vector<CDavResource> changed; // href and ETag
    std::vector<std::string> removed;  // hrefs
    std::size_t outside = 0;           // hrefs outside the collection, left alone
    CHttpResponse failure;             // the answer that stopped it, when not ok
};

// The address books a URL led to, as whole URLs on the URL's origin.
struct CDavDiscovery {
    std::vector<std::string> collections;
    CHttpResponse failure; // the last answer, when there is none
};

// The few WebDAV and CardDAV requests the sync makes, over any CHttpClient. Every request goes
// to the origin the session was given and nowhere else: a redirect within it is followed here,
// one to another host ends the request, and a card's address must lie inside the collection.
class CDavSession {
public:
    explicit CDavSession(CHttpClient& http) : m_http(http) {}

    // The origin of the URL the user gave; until it is set, nothing is sent anywhere.
    void SetOrigin(const CDavUrl& origin) { m_origin = origin; }

    // The address-book collection `url` leads to: itself when it is one, else the address books
    // of the user found through /.well-known/carddav, the principal and its home set.
    CDavDiscovery Discover(const CDavUrl& url);
    // The collection the card requests and listings speak of.
    void SetCollection(const CDavUrl& collection) { m_collection = collection; }
    // The sync-collection report from `token` (empty: every card); a server without it, or one
    // that refuses even an empty token, is listed with PROPFIND instead.
    CDavListing List(const std::string& token);
    // The cards at `hrefs` with their ETags in one addressbook-multiget report; not ok from a
    // server without it, which the caller then asks card by card.
    CDavMultistatus MultiGet(const std::vector<std::string>& hrefs, CHttpResponse& answer);
    CHttpResponse Get(const std::string& href);
    // `etag` empty: only when nothing is there yet (If-None-Match), else If-Match.
    CHttpResponse Put(const std::string& href, const std::string& card, const std::string& etag);
    CHttpResponse Delete(const std::string& href, const std::string& etag);

    // The canonical path of `href` read against the collection; nothing when it lies outside.
    std::optional<std::string> CardPath(const std::string& href) const;
    // The path of a URL, for comparing with hrefs.
    static std::string PathOf(const std::string& url);

private:
    CHttpResponse Send(CHttpRequest request);
    CHttpResponse SendCard(CHttpRequest request, const std::string& href);
    CHttpResponse Propfind(const CDavUrl& url, int depth, const char* body);
    std::vector<std::string> AddressBooks(const CDavUrl& at, int depth, CHttpResponse& answer);
    std::optional<CDavUrl> Follow(const CDavUrl& base, const std::string& href,
                                  CHttpResponse& answer) const;
    CDavListing SyncReport(const std::string& token);
    CDavListing PropfindListing();
    bool IsCollection(const std::string& href) const;
    // Keeps the cards of a listing that lie inside the collection, by their canonical paths.
    void TakeCards(std::vector<CDavResource>& resources, bool removals, CDavListing& listing);

    CHttpClient& m_http;
    CDavUrl m_origin;
    CDavUrl m_collection;
};
