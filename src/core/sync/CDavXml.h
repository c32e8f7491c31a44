#pragma once

#include <string>
#include <string_view>
#include <vector>

// One resource of a WebDAV multistatus answer with the properties the sync reads.
struct CDavResource {
    std::string href; // as the server wrote it, percent-encoded
    int status = 0;   // the response's own status (a removal in a sync report); 0 when absent
    std::string etag;
    bool collection = false;
    bool addressBook = false;
    std::string principal; // current-user-principal
    std::string homeSet;   // addressbook-home-set
    std::string addressData;
};

// A multistatus answer: its resources and, for a sync report, the new token.
struct CDavMultistatus {
    bool ok = false; // false for a body that is no multistatus
    std::vector<CDavResource> resources;
    std::string syncToken;
};

// Reads the few WebDAV and CardDAV answers the sync needs, with libxml2 so that namespaces,
// entities and character references are read as XML says; no network access, no external
// entities.
class CDavXml {
public:
    CDavXml() = delete;

    static CDavMultistatus Parse(std::string_view xml);
    // "HTTP/1.1 404 Not Found" gives 404; 0 for anything else.
    static int StatusOf(std::string_view line);
    // `text` with &, <, > and quotes escaped, for an href in a request body.
    static std::string Escape(std::string_view text);
};
