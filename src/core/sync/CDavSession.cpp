#include "core/sync/CDavSession.h"

#include "core/sync/CSyncTexts.h"
#include "core/text/CTextFormat.h"

namespace {
constexpr int MAX_REDIRECTS = 5; // within the origin, for one request
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

CHttpResponse Stopped(EHttpFailure failure, std::string message, std::string url) {
    CHttpResponse response;
    response.failure = failure;
    response.error = std::move(message);
    response.url = std::move(url);
    return response;
}
} // namespace

std::string CDavSession::PathOf(const std::string& url) {
    const std::optional<CDavUrl> parsed = CDavUrl::Parse(url);
    return parsed ? parsed->path : CDavUrl::CanonicalPath(url);
}

CHttpResponse CDavSession::Send(CHttpRequest request) {
    for (int hop = 0;; ++hop) {
        const std::optional<CDavUrl> url = CDavUrl::Parse(request.url);
        if (!url || !url->SameOrigin(m_origin))
            return Stopped(
                EHttpFailure::OtherHost,
                CTextFormat::Format(
                    CSyncTexts::OTHER_HOST,
                    {m_origin.HostText(), url ? url->HostText() : CDavUrl::Safe(request.url)}),
                CDavUrl::Safe(request.url));
        request.url = url->ToString();
        CHttpResponse answer = m_http.Send(request);
        answer.url = request.url;
        if (!answer.IsRedirect() || hop == MAX_REDIRECTS)
            return answer;
        const std::optional<CDavUrl> target = CDavUrl::Resolve(*url, answer.Header("Location"));
        if (!target)
            return answer;
        // The target is checked at the top like any request, before anything goes there.
        request.url = target->ToString();
        if (answer.status == 303) {
            request.method = "GET";
            request.body.clear();
        }
    }
}

std::optional<std::string> CDavSession::CardPath(const std::string& href) const {
    const std::optional<CDavUrl> url = CDavUrl::Resolve(m_collection, href);
    if (!url || !url->IsInside(m_collection))
        return std::nullopt;
    return url->path;
}

CHttpResponse CDavSession::SendCard(CHttpRequest request, const std::string& href) {
    const std::optional<std::string> path = CardPath(href);
    if (!path)
        return Stopped(EHttpFailure::Outside, {}, href);
    CDavUrl url = m_collection;
    url.path = *path;
    request.url = url.ToString();
    return Send(std::move(request));
}

CHttpResponse CDavSession::Propfind(const CDavUrl& url, int depth, const char* body) {
    return Send({"PROPFIND",
                 url.ToString(),
                 {{"Depth", std::to_string(depth)}, {"Content-Type", XML_TYPE}},
                 body,
                 EReplySize::Listing});
}

std::optional<CDavUrl> CDavSession::Follow(const CDavUrl& base, const std::string& href,
                                           CHttpResponse& answer) const {
    std::optional<CDavUrl> url = CDavUrl::Resolve(base, href);
    if (url && url->SameOrigin(m_origin))
        return url;
    answer = Stopped(
        EHttpFailure::OtherHost,
        CTextFormat::Format(CSyncTexts::OTHER_HOST,
                            {m_origin.HostText(), url ? url->HostText() : CDavUrl::Safe(href)}),
        CDavUrl::Safe(href));
    return std::nullopt;
}

std::vector<std::string> CDavSession::AddressBooks(const CDavUrl& at, int depth,
                                                   CHttpResponse& answer) {
    answer = Propfind(at, depth, PROPFIND_KIND);
    std::vector<std::string> found;
    if (!IsMultistatus(answer))
        return found;
    const CDavMultistatus parsed = CDavXml::Parse(answer.body);
    for (const CDavResource& resource : parsed.resources) {
        if (!resource.addressBook)
            continue;
        const std::optional<CDavUrl> book = Follow(at, resource.href, answer);
        if (!book)
            return {};
        found.push_back(book->ToString());
    }
    return found;
}

CDavDiscovery CDavSession::Discover(const CDavUrl& url) {
    CDavDiscovery result;
    CHttpResponse& answer = result.failure;
    if (result.collections = AddressBooks(url, 0, answer); !result.collections.empty())
        return result;
    // Only a server's root or a collection that is no address book leads on: a URL of an address
    // book that is not there must not find the user another one.
    if (answer.status == 0 || (!IsMultistatus(answer) && url.path != "/"))
        return result;
    // The server's root: follow the well-known address to the user's principal.
    CDavUrl wellKnown = url;
    wellKnown.path = "/.well-known/carddav";
    answer = Propfind(wellKnown, 0, PROPFIND_KIND);
    std::string principal;
    if (IsMultistatus(answer)) {
        for (const CDavResource& resource : CDavXml::Parse(answer.body).resources) {
            if (!resource.principal.empty())
                principal = resource.principal;
        }
    }
    const std::optional<CDavUrl> principalUrl =
        principal.empty() ? std::nullopt : Follow(url, principal, answer);
    if (!principalUrl)
        return result;
    answer = Propfind(*principalUrl, 0, PROPFIND_KIND);
    std::string home;
    if (IsMultistatus(answer)) {
        for (const CDavResource& resource : CDavXml::Parse(answer.body).resources) {
            if (!resource.homeSet.empty())
                home = resource.homeSet;
        }
    }
    const std::optional<CDavUrl> homeUrl =
        home.empty() ? std::nullopt : Follow(*principalUrl, home, answer);
    if (homeUrl)
        result.collections = AddressBooks(*homeUrl, 1, answer);
    return result;
}

bool CDavSession::IsCollection(const std::string& href) const {
    const auto folder = [](std::string path) {
        return path.ends_with('/') ? path : path + '/';
    };
    const std::optional<CDavUrl> url = CDavUrl::Resolve(m_collection, href);
    return url && url->SameOrigin(m_collection) && folder(url->path) == folder(m_collection.path);
}

void CDavSession::TakeCards(std::vector<CDavResource>& resources, bool removals,
                            CDavListing& listing) {
    for (CDavResource& resource : resources) {
        const bool removal = removals && resource.status == 404;
        if (!removal && (resource.collection || resource.etag.empty()))
            continue;
        const std::optional<std::string> path = CardPath(resource.href);
        if (!path) {
            listing.outside += !IsCollection(resource.href);
            continue;
        }
        if (removal) {
            listing.removed.push_back(*path);
        } else {
            resource.href = *path;
            listing.changed.push_back(std::move(resource));
        }
    }
}

CDavListing CDavSession::SyncReport(const std::string& token) {
    CDavListing listing;
    listing.failure = Send({"REPORT",
                            m_collection.ToString(),
                            {{"Depth", "0"}, {"Content-Type", XML_TYPE}},
                            SyncReportBody(token),
                            EReplySize::Listing});
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
    TakeCards(parsed.resources, true, listing);
    listing.ok = true;
    listing.complete = token.empty();
    listing.token = parsed.syncToken;
    return listing;
}

CDavListing CDavSession::PropfindListing() {
    CDavListing listing;
    listing.failure = Propfind(m_collection, 1, PROPFIND_ETAGS);
    if (!IsMultistatus(listing.failure))
        return listing;
    CDavMultistatus parsed = CDavXml::Parse(listing.failure.body);
    if (!parsed.ok)
        return listing;
    TakeCards(parsed.resources, false, listing);
    listing.ok = true;
    listing.complete = true;
    return listing;
}

CDavListing CDavSession::List(const std::string& token) {
    CDavListing listing = SyncReport(token);
    if (listing.ok || listing.failure.status == 0)
        return listing;
    if (listing.tokenRefused) {
        listing = SyncReport({});
        if (listing.ok || listing.failure.status == 0)
            return listing;
    }
    return PropfindListing();
}

CDavMultistatus CDavSession::MultiGet(const std::vector<std::string>& hrefs,
                                      CHttpResponse& answer) {
    std::string body = R"(<?xml version="1.0" encoding="utf-8"?>
<c:addressbook-multiget xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">
<d:prop><d:getetag/><c:address-data/></d:prop>)";
    for (const std::string& href : hrefs)
        body += "<d:href>" + CDavXml::Escape(href) + "</d:href>";
    body += "</c:addressbook-multiget>";
    answer = Send({"REPORT",
                   m_collection.ToString(),
                   {{"Depth", "1"}, {"Content-Type", XML_TYPE}},
                   body,
                   EReplySize::Listing});
    if (!IsMultistatus(answer))
        return {};
    CDavMultistatus cards = CDavXml::Parse(answer.body);
    for (CDavResource& resource : cards.resources)
        resource.href = CardPath(resource.href).value_or(std::string());
    return cards;
}

CHttpResponse CDavSession::Get(const std::string& href) {
    return SendCard({"GET", {}, {{"Accept", "text/vcard"}}, {}, EReplySize::Card}, href);
}

CHttpResponse CDavSession::Put(const std::string& href, const std::string& card,
                               const std::string& etag) {
    CHttpHeaders headers{{"Content-Type", VCARD_TYPE}};
    if (etag.empty())
        headers.emplace_back("If-None-Match", "*");
    else
        headers.emplace_back("If-Match", etag);
    return SendCard({"PUT", {}, std::move(headers), card, EReplySize::Card}, href);
}

CHttpResponse CDavSession::Delete(const std::string& href, const std::string& etag) {
    CHttpHeaders headers;
    if (!etag.empty())
        headers.emplace_back("If-Match", etag);
    return SendCard({"DELETE", {}, std::move(headers), {}, EReplySize::Card}, href);
}
