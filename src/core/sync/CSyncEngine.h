#pragma once

#include "core/sync/CDavSession.h"
#include "core/sync/CSyncCard.h"
#include "core/sync/CSyncCardStore.h"
#include "core/sync/CSyncChanges.h"
#include "core/sync/CSyncReport.h"
#include "core/sync/CSyncState.h"
#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardImport.h"
#include "core/vcard/CVCardWriter.h"

#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

class CAddressDoc;
class CCommand;
class CCommandGroup;
class CHttpClient;
class CPersonalData;

// Two-way sync of a book's live persons with one address-book collection. The server's side is
// told by its ETags (and sync tokens), the book's side by the digest of each person's card as
// the last sync left it; a person changed on both sides keeps its texts and gets the server's
// differing values in its memo. The book changes only through commands, done at once and
// collected in one composite, so that the window can undo a sync as one step; the state is
// brought up to date with each request that succeeds, so that a sync cut short leaves book and
// state consistent with what reached the server and the next sync finishes the job.
class CSyncEngine {
public:
    CSyncEngine(CAddressDoc& doc, CSyncState& state, CHttpClient& http);

    // The cards kept beside the book: a person changed here goes up as its card with the
    // changed texts replaced. Without them, as the export writes it.
    void SetCards(CSyncCardStore& cards) { m_pCards = &cards; }

    // `switchCollection` lets a book synced with one collection start afresh with another.
    CSyncReport Run(const std::string& url, CCommandGroup& changes, bool switchCollection = false);

    // What the person says, UID aside (CSyncDigest): the state keeps it for each person.
    static std::string DigestOf(const CPersonalData& person);
    // The card that goes up: what the vCard export writes.
    static std::string CardOf(const CPersonalData& person);
    // The same with the codec and writer of a sync, built once: each build of the code page
    // table costs as much as a few hundred cards.
    static std::string CardOf(const CPersonalData& person, CVCardWriter& writer);
    // The summary, the conflicts and the error, one after another.
    static std::string ReportText(const CSyncReport& report) { return report.Text(); }

private:
    // A person that goes up: to `href`, replacing `etag` (empty: a new card).
    struct CUpload {
        CPersonalData* person;
        std::string href;
        std::string etag;
        std::string base{}; // the server's card it replaces, when this sync read it
    };

    void Sync(const std::string& url, bool switchCollection, CSyncReport& report);
    bool Discover(const std::string& url, bool switchCollection, CSyncReport& report);
    // Brings the state's hrefs to their canonical spelling; one outside the collection is
    // forgotten, so that nothing is ever sent there.
    void CanonicalEntries(CSyncReport& report);

    bool Fetch(const std::string& href, const std::string& etag, CSyncReport& report);
    // The cards at `hrefs` (to their ETags), a batch at a time, else one by one.
    bool FetchAll(const std::map<std::string, std::string>& hrefs, CSyncReport& report);
    void Take(const std::string& href, const std::string& etag, std::string_view text);
    void Decide(const std::string& uid, CPersonalData* local, CSyncReport& report);
    // Where a new person's card goes: its UID made safe for a path, and free.
    std::string NewHref(const std::string& uid) const;
    void Record(const std::string& uid, const std::string& href, const std::string& etag,
                const CPersonalData& person);
    // The same for a person now as the card says, which is kept.
    void Record(const std::string& uid, const CSyncCard& card, const CPersonalData& person);
    // The card a person goes up as: its last card with the changed texts replaced, or the
    // export.
    std::string Outgoing(const CUpload& upload);
    bool Upload(CUpload upload, CSyncReport& report);
    bool Remove(const std::string& uid, CSyncReport& report);
    std::string Failure(const std::string& what, const CHttpResponse& response) const {
        return CSyncReport::FailureText(what, response);
    }

    std::string NameOf(const CPersonalData& person) const;

    CAddressDoc& m_doc;
    CSyncState& m_state;
    CTextCodec m_codec;
    CVCardWriter m_writer; // of m_codec
    CDavSession m_dav;
    CSyncChanges* m_changes = nullptr; // during Run
    CSyncCardStore m_ownCards;
    CSyncCardStore* m_pCards = &m_ownCards;
    std::string m_strCollection;
    std::string m_strUrl;  // the URL the user gave, without user or password
    bool m_bFresh = false; // a first sync with this collection: the state starts anew
    std::map<std::string, std::string> m_server;               // href to ETag
    std::unordered_map<std::string, CSyncCard> m_fetched;      // by UID
    std::unordered_map<std::string, CPersonalData*> m_deleted; // by UID
    std::vector<CUpload> m_uploads;
    std::vector<std::string> m_removals; // UIDs whose card goes
};
