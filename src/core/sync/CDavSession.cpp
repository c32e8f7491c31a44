#include "core/sync/CDavSession.h"

namespace {
constexpr const char* XML_TYPE = "application/xml; charset=utf-8";
constexpr const char* VCARD_TYPE = "text/vcard; charset=utf-8";

constexpr const char* PROPFIND_KIND = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">
<d:prop><d:resourcetype/><d:current-user-principal/><c:addressbook-home-set/></d:prop>
</d:propfind>)";

constexpr const char* PROPFIND_ETAGS = R"(<?xml version="1.0" encoding="utf-8"?>
<d:propfind xmlns:d="DAV:"><d:prop><d:resourcetype/><d:getetag/></d:prop></d:propfind>)";

std::string SyncReportBody(const std::string& token) {
    return R"(<?xml version="1.0" encoding="utf-8"?>
<d:sync-collection xmlns:d="DAV:"><d:sync-token>)" +
           CDavXml::Escape(token) + R"(</d:sync-token><d:sync-level>1</d:sync-level>
<d:prop><d:getetag/></d:prop></d:sync-collection>)";
}

bool IsMultistatus(const CHttpResponse& response) {
    return response.status == 207;
}

// A resource of a listing that is a card, not the collection itself or a folder in it.
bool IsCard(const CDavResource& resource, const std::string& collectionPath) {
    return !resource.collection && resource.href != collectionPath &&
           CDavSession::PathOf(resource.href) != collectionPath;
}
} // namespace

std::string CDavSession::PathOf(const std::string& url) {
    const std::size_t scheme = url.find("://");
    if (scheme == std::string::npos)
        return url;
    const std::size_t path = url.find('/', scheme + 3);
    return path == std::string::npos ? "/" : url.substr(path);
}

std::string CDavSession::Resolve(const std::string& base, const std::string& href) {
    if (href.find("://") != std::string::npos)
        return href;
    const std::size_t scheme = base.find("://");
    const std::size_t path = scheme == std::string::npos ? 0 : base.find('/', scheme + 3);
    const std::string origin = path == std::string::npos ? base : base.substr(0, path);
    if (href.starts_with('/'))
        return origin + href;
    const std::string basePath = PathOf(base);
    return origin + basePath.substr(0, basePath.rfind('/') + 1) + href;
}

CHttpResponse CDavSession::Propfind(const std::string& url, int depth, const std::string& body) {
    return m_http.Send(
        {"PROPFIND", url, {{"Depth", std::to_string(depth)}, {"Content-Type", XML_TYPE}}, body});
}

std::string CDavSession::Discover(const std::string& url, CHttpResponse& failure) {
    const auto addressBookAt = [&](const std::string& at) -> std::string {
        failure = Propfind(at, 0, PROPFIND_KIND);
        if (!IsMultistatus(failure))
            return {};
        const CDavMultistatus answer = CDavXml::Parse(failure.body);
        for (const CDavResource& resource : answer.resources) {
            if (resource.addressBook)
                return Resolve(failure.url.empty() ? at : failure.url, resource.href);
        }
        return {};
    };
    if (std::string found = addressBookAt(url); !found.empty())
        return found;
    // Only a server's root or a collection that is no address book leads on: a URL of an address
    // book that is not there must not find the user another one.
    if (failure.status == 0 || (!IsMultistatus(failure) && PathOf(url) != "/"))
        return {};
    // The server's root: follow the well-known address to the user's principal.
    CHttpResponse answer = Propfind(Resolve(url, "/.well-known/carddav"), 0, PROPFIND_KIND);
    std::string principal;
    if (IsMultistatus(answer)) {
        for (const CDavResource& resource : CDavXml::Parse(answer.body).resources) {
            if (!resource.principal.empty())
                principal = Resolve(answer.url.empty() ? url : answer.url, resource.principal);
        }
    }
    if (principal.empty()) {
        failure = answer;
        return {};
    }
    answer = Propfind(principal, 0, PROPFIND_KIND);
    std::string home;
    if (IsMultistatus(answer)) {
        for (const CDavResource& resource : CDavXml::Parse(answer.body).resources) {
            if (!resource.homeSet.empty())
                home = Resolve(principal, resource.homeSet);
        }
    }
    if (home.empty()) {
        failure = answer;
        return {};
    }
    answer = Propfind(home, 1, PROPFIND_KIND);
    failure = answer;
    if (!IsMultistatus(answer))
        return {};
    for (const CDavResource& resource : CDavXml::Parse(answer.body).resources) {
        if (resource.addressBook)
            return Resolve(home, resource.href);
    }
    return {};
}

CDavListing CDavSession::SyncReport(const std::string& collection, const std::string& token) {
    CDavListing listing;
    listing.failure = m_http.Send({"REPORT",
                                   collection,
                                   {{"Depth", "0"}, {"Content-Type", XML_TYPE}},
                                   SyncReportBody(token)});
    const CHttpResponse& answer = listing.failure;
    // An unknown or expired token is refused with 403 or 409 (valid-sync-token).
    listing.tokenRefused =
        !token.empty() && (answer.status == 403 || answer.status == 409 ||
                           answer.body.find("valid-sync-token") != std::string::npos);
    if (!IsMultistatus(answer))
        return listing;
    CDavMultistatus parsed = CDavXml::Parse(answer.body);
    if (!parsed.ok || parsed.syncToken.empty())
        return listing;
    const std::string path = PathOf(collection);
    for (CDavResource& resource : parsed.resources) {
        if (resource.status == 404)
            listing.removed.push_back(resource.href);
        else if (IsCard(resource, path) && !resource.etag.empty())
            listing.changed.push_back(std::move(resource));
    }
    listing.ok = true;
    listing.complete = token.empty();
    listing.token = parsed.syncToken;
    return listing;
}

CDavListing CDavSession::PropfindListing(const std::string& collection) {
    CDavListing listing;
    listing.failure = Propfind(collection, 1, PROPFIND_ETAGS);
    if (!IsMultistatus(listing.failure))
        return listing;
    CDavMultistatus parsed = CDavXml::Parse(listing.failure.body);
    if (!parsed.ok)
        return listing;
    const std::string path = PathOf(collection);
    for (CDavResource& resource : parsed.resources) {
        if (IsCard(resource, path) && !resource.etag.empty())
            listing.changed.push_back(std::move(resource));
    }
    listing.ok = true;
    listing.complete = true;
    return listing;
}

CDavListing CDavSession::List(const std::string& collection, const std::string& token) {
    CDavListing listing = SyncReport(collection, token);
    if (listing.ok || listing.failure.status == 0)
        return listing;
    if (listing.tokenRefused) {
        listing = SyncReport(collection, {});
        if (listing.ok || listing.failure.status == 0)
            return listing;
    }
    return PropfindListing(collection);
}

CDavMultistatus CDavSession::MultiGet(const std::string& collection,
                                      const std::vector<std::string>& hrefs,
                                      CHttpResponse& answer) {
    std::string body = R"(<?xml version="1.0" encoding="utf-8"?>
<c:addressbook-multiget xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">
<d:prop><d:getetag/><c:address-data/></d:prop>)";
    for (const std::string& href : hrefs)
        body += "<d:href>" + CDavXml::Escape(href) + "</d:href>";
    body += "</c:addressbook-multiget>";
    answer =
        m_http.Send({"REPORT", collection, {{"Depth", "1"}, {"Content-Type", XML_TYPE}}, body});
    if (!IsMultistatus(answer))
        return {};
    return CDavXml::Parse(answer.body);
}

CHttpResponse CDavSession::Get(const std::string& url) {
    return m_http.Send({"GET", url, {{"Accept", "text/vcard"}}, {}});
}

CHttpResponse CDavSession::Put(const std::string& url, const std::string& card,
                               const std::string& etag) {
    CHttpHeaders headers{{"Content-Type", VCARD_TYPE}};
    if (etag.empty())
        headers.emplace_back("If-None-Match", "*");
    else
        headers.emplace_back("If-Match", etag);
    return m_http.Send({"PUT", url, std::move(headers), card});
}

CHttpResponse CDavSession::Delete(const std::string& url, const std::string& etag) {
    CHttpHeaders headers;
    if (!etag.empty())
        headers.emplace_back("If-Match", etag);
    return m_http.Send({"DELETE", url, std::move(headers), {}});
}
