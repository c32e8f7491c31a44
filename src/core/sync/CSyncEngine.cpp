#include "core/sync/CSyncEngine.h"

#include "core/commands/CChangeUidCommand.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/document/CAddressDoc.h"
#include "core/sync/CDavUrl.h"
#include "core/sync/CSyncDigest.h"
#include "core/sync/CSyncIdentity.h"
#include "core/sync/CSyncTexts.h"
#include "core/text/CSha1.h"
#include "core/text/CTextCodec.h"
#include "core/text/CTextFormat.h"
#include "core/vcard/CVCardMapper.h"
#include "core/vcard/CVCardPatch.h"
#include "core/vcard/CVCardReader.h"
#include "core/vcard/CVCardWriter.h"

#include <algorithm>
#include <ctime>
#include <set>

namespace {
constexpr int MAX_ATTEMPTS = 2; // a card refused again after a look at the server's is refused
constexpr std::size_t MULTIGET_BATCH = 100;

std::string WithSlash(std::string path) {
    if (!path.ends_with('/'))
        path += '/';
    return path;
}
} // namespace

CSyncEngine::CSyncEngine(CAddressDoc& doc, CSyncState& state, CHttpClient& http)
    : m_doc(doc), m_state(state), m_writer(EVCardVersion::V30, m_codec, std::time(nullptr)),
      m_dav(http) {}

std::string CSyncEngine::DigestOf(const CPersonalData& person) {
    return CSyncDigest::Of(person);
}

std::string CSyncEngine::CardOf(const CPersonalData& person) {
    const CTextCodec codec;
    CVCardWriter writer(EVCardVersion::V30, codec, std::time(nullptr));
    return CardOf(person, writer);
}

std::string CSyncEngine::CardOf(const CPersonalData& person, CVCardWriter& writer) {
    writer.WritePerson(person);
    return writer.TakeText();
}

std::string CSyncEngine::NameOf(const CPersonalData& person) const {
    return m_codec.ToUtf8(person.GetText(EPersonText::Name));
}

bool CSyncEngine::Discover(const std::string& url, bool switchCollection, CSyncReport& report) {
    const std::optional<CDavUrl> given = CDavUrl::Parse(url);
    if (!given) {
        report.refusal = ESyncRefusal::BadUrl;
        report.error = CTextFormat::Format(CSyncTexts::BAD_URL, {CDavUrl::Safe(url)});
        return false;
    }
    m_strUrl = given->ToString();
    m_dav.SetOrigin(*given);
    const std::string known = CDavUrl::Safe(m_state.m_strCollection);
    m_bFresh = known.empty() || switchCollection;
    if (!m_bFresh) {
        // Only the URL that found the collection, or the collection itself, leads back to it.
        if (m_strUrl != CDavUrl::Safe(m_state.m_strUrl) && m_strUrl != known) {
            report.refusal = ESyncRefusal::OtherCollection;
            report.error = CTextFormat::Format(CSyncTexts::OTHER_COLLECTION, {known, m_strUrl});
            return false;
        }
        m_strCollection = known;
    } else {
        CDavDiscovery found = m_dav.Discover(*given);
        if (found.collections.size() > 1) {
            report.refusal = ESyncRefusal::SeveralBooks;
            report.error = CTextFormat::Format(CSyncTexts::SEVERAL_BOOKS, {m_strUrl});
            report.collections = std::move(found.collections);
            return false;
        }
        if (found.collections.empty()) {
            const CHttpResponse& failure = found.failure;
            report.error = failure.status == 0 || failure.status == 401
                               ? Failure("PROPFIND", failure)
                               : CTextFormat::Format(CSyncTexts::NO_ADDRESS_BOOK,
                                                     {m_strUrl, std::to_string(failure.status)});
            return false;
        }
        m_strCollection = found.collections.front();
    }
    const std::optional<CDavUrl> collection = CDavUrl::Parse(m_strCollection);
    if (collection)
        m_dav.SetCollection(*collection);
    return true;
}

void CSyncEngine::CanonicalEntries(CSyncReport& report) {
    for (auto entry = m_state.m_entries.begin(); entry != m_state.m_entries.end();) {
        if (const std::optional<std::string> path = m_dav.CardPath(entry->second.href)) {
            entry->second.href = *path;
            ++entry;
        } else {
            ++report.outside;
            entry = m_state.m_entries.erase(entry);
        }
    }
}

bool CSyncEngine::Fetch(const std::string& href, const std::string& etag, CSyncReport& report) {
    const CHttpResponse answer = m_dav.Get(href);
    if (answer.status == 404)
        return true; // gone since the listing; the next listing says so
    if (CSyncReport::RefusesOneCard(answer)) {
        report.Refuse(href, "GET", answer.status);
        return true;
    }
    if (!answer.IsSuccess()) {
        report.error = Failure("GET", answer);
        return false;
    }
    Take(href, etag, answer.body);
    return true;
}

void CSyncEngine::Take(const std::string& href, const std::string& etag, std::string_view text) {
    // A card the book cannot read stays on the server as it is.
    const CVCardReadResult read = CVCardReader::Read(text);
    if (!read.error.empty())
        return;
    CVCardImport import(read.cards);
    import.Encode(m_codec, true);
    if (import.GetPersons().empty())
        return;
    CSyncCard card{href, etag, import.GetPersons().front(), std::string(text)};
    if (!card.person.uid)
        card.person.uid = CVCardMapper::DerivedUid(href);
    CSyncIdentity::Add(m_fetched, std::move(card));
}

bool CSyncEngine::FetchAll(const std::map<std::string, std::string>& hrefs, CSyncReport& report) {
    std::vector<std::string> batch;
    auto next = hrefs.begin();
    while (next != hrefs.end()) {
        batch.clear();
        for (; next != hrefs.end() && batch.size() < MULTIGET_BATCH; ++next)
            batch.push_back(next->first);
        CHttpResponse answer;
        const CDavMultistatus cards = m_dav.MultiGet(batch, answer);
        // A server without the report refuses it (4xx, 501); any other failure stops the sync.
        const bool refused = (answer.status >= 400 && answer.status < 500) || answer.status == 501;
        if (!cards.ok && (answer.status == 0 || (!refused && answer.status != 207))) {
            report.error = Failure("REPORT", answer);
            return false;
        }
        if (!cards.ok) {
            for (const std::string& href : batch) {
                if (!Fetch(href, hrefs.at(href), report))
                    return false;
            }
            continue;
        }
        for (const CDavResource& resource : cards.resources) {
            const auto asked = hrefs.find(resource.href);
            if (asked == hrefs.end() || resource.addressData.empty())
                continue; // gone since the listing, or a card of no interest
            Take(resource.href, resource.etag.empty() ? asked->second : resource.etag,
                 resource.addressData);
        }
    }
    return true;
}

void CSyncEngine::Record(const std::string& uid, const std::string& href, const std::string& etag,
                         const CPersonalData& person) {
    m_state.m_entries[uid] = {href, etag, DigestOf(person)};
}

void CSyncEngine::Record(const std::string& uid, const CSyncCard& card,
                         const CPersonalData& person) {
    Record(uid, card.href, card.etag, person);
    m_pCards->Put(uid, card.text);
}

std::string CSyncEngine::Outgoing(const CUpload& upload) {
    std::string fresh = CardOf(*upload.person, m_writer);
    const std::string* base =
        upload.base.empty() ? m_pCards->Find(upload.person->GetUid().ToString()) : &upload.base;
    if (!base)
        return fresh;
    return CVCardPatch::Apply(*base, fresh, m_codec).value_or(std::move(fresh));
}

void CSyncEngine::Decide(const std::string& uid, CPersonalData* local, CSyncReport& report) {
    const auto entryAt = m_state.m_entries.find(uid);
    const CSyncEntry* entry = entryAt == m_state.m_entries.end() ? nullptr : &entryAt->second;
    const auto fetchedAt = m_fetched.find(uid);
    const CSyncCard* card = fetchedAt == m_fetched.end() ? nullptr : &fetchedAt->second;
    const bool localChanged = local && (!entry || DigestOf(*local) != entry->digest);

    if (entry && !m_server.contains(entry->href) && !card) { // deleted on the server
        if (local && localChanged) {
            // Changed here meanwhile: the person stays and goes up again as a new card.
            report.conflicts.push_back(NameOf(*local));
            m_uploads.push_back({local, entry->href, {}});
            return;
        }
        if (local) {
            // Kept as a card too: the deleted folder lasts only until the book is saved.
            report.deletedCards += CardOf(*local, m_writer);
            report.Note(ESyncAction::DeletedHere, NameOf(*local));
            m_changes->Apply(std::make_unique<CDeletePersonalCommand>(local));
            ++report.deletedHere;
        }
        m_state.m_entries.erase(entryAt);
        return;
    }
    if (card && card->reassigned) {
        CPersonalData* added = m_changes->Add(*card);
        ++report.downloaded;
        ++report.givenNewUid;
        report.Note(ESyncAction::Down, NameOf(*added));
        m_uploads.push_back({added, card->href, card->etag, card->text});
        return;
    }
    if (card) {
        if (!local) {
            // A person deleted here comes back as the card says, rather than beside its copy.
            const auto deleted = m_deleted.find(uid);
            CPersonalData* added =
                deleted == m_deleted.end()
                    ? m_changes->Add(*card)
                    : m_changes->Replace(m_changes->Restore(deleted->second), *card);
            ++report.downloaded;
            report.Note(ESyncAction::Down, NameOf(*added));
            if (entry) // deleted here but changed there: the newer card comes back
                report.conflicts.push_back(NameOf(*added));
            Record(uid, *card, *added);
            return;
        }
        if (entry && !localChanged) {
            // Our own upload, its ETag unknown then.
            if (CSyncDigest::Of(*local) == CSyncDigest::Of(card->person)) {
                Record(uid, *card, *local);
                return;
            }
            const CPersonalData* replaced = m_changes->Replace(local, *card);
            Record(uid, *card, *replaced);
            ++report.downloaded;
            report.Note(ESyncAction::Down, NameOf(*replaced));
            return;
        }
        if (m_changes->Merge(local, *card, report.conflicts))
            m_uploads.push_back({local, card->href, card->etag, card->text});
        else
            Record(uid, *card, *local);
        return;
    }
    if (entry) {
        if (!local)
            m_removals.push_back(uid);
        else if (localChanged)
            m_uploads.push_back({local, entry->href, entry->etag});
        return;
    }
    if (local)
        m_uploads.push_back({local, NewHref(uid), {}});
}

std::string CSyncEngine::NewHref(const std::string& uid) const {
    const std::string folder = WithSlash(CDavSession::PathOf(m_strCollection));
    const std::string name = CDavUrl::EncodeSegment(uid);
    std::string href = folder + name + ".vcf";
    for (int n = 2; m_server.contains(href); ++n)
        href = folder + name + '-' + std::to_string(n) + ".vcf";
    return href;
}

bool CSyncEngine::Upload(CUpload upload, CSyncReport& report) {
    const std::string uid = upload.person->GetUid().ToString();
    const std::optional<std::string> path = m_dav.CardPath(upload.href);
    if (!path) {
        ++report.outside;
        return true;
    }
    upload.href = *path;
    const std::string name = NameOf(*upload.person);
    for (int attempt = 0; attempt < MAX_ATTEMPTS; ++attempt) {
        std::string card = Outgoing(upload);
        const CHttpResponse put = m_dav.Put(upload.href, card, upload.etag);
        if (put.IsSuccess()) {
            Record(uid, upload.href, put.Header("ETag"), *upload.person);
            m_pCards->Put(uid, std::move(card));
            report.Note(ESyncAction::Up, name);
            ++report.uploaded;
            return true;
        }
        if (put.status != 412 && CSyncReport::RefusesOneCard(put)) {
            report.Refuse(name, "PUT", put.status);
            return true;
        }
        if (put.status != 412) {
            report.error = Failure("PUT", put);
            return false;
        }
        // Changed (or made) on the server since the listing: look at it as at any change.
        const CHttpResponse get = m_dav.Get(upload.href);
        if (get.status == 404) {
            upload.etag.clear();
            continue;
        }
        const std::string etag = get.Header("ETag");
        if (!get.IsSuccess() || etag.empty()) {
            report.error = Failure("GET", get);
            return false;
        }
        m_fetched.erase(uid);
        Take(upload.href, etag, get.body);
        const auto fetched = m_fetched.find(uid);
        if (fetched == m_fetched.end())
            break; // no card of this person there: it cannot go up
        if (CSyncDigest::Of(*upload.person) == CSyncDigest::Of(fetched->second.person)) {
            Record(uid, fetched->second, *upload.person);
            return true;
        }
        // Whether or not the card adds anything, the person's own change is still to go up.
        m_changes->Merge(upload.person, fetched->second, report.conflicts);
        upload.etag = etag;
        upload.base = fetched->second.text;
    }
    // Refused again after looking at the server's card: the server will not take it.
    report.Refuse(name, "PUT", 412);
    return true;
}

bool CSyncEngine::Remove(const std::string& uid, CSyncReport& report) {
    const CSyncEntry entry = m_state.m_entries.at(uid);
    const CHttpResponse answer = m_dav.Delete(entry.href, entry.etag);
    if (answer.IsSuccess() || answer.status == 404) {
        m_state.m_entries.erase(uid);
        ++report.deletedThere;
        const auto deleted = m_deleted.find(uid);
        report.Note(ESyncAction::DeletedThere,
                    deleted == m_deleted.end() ? uid : NameOf(*deleted->second));
        return true;
    }
    // 412: changed on the server meanwhile; the next sync brings it back.
    if (answer.status == 412)
        return true;
    if (CSyncReport::RefusesOneCard(answer)) {
        report.Refuse(entry.href, "DELETE", answer.status);
        return true;
    }
    report.error = Failure("DELETE", answer);
    return false;
}

CSyncReport CSyncEngine::Run(const std::string& url, CCommandGroup& changes,
                             bool switchCollection) {
    CSyncChanges applied(m_doc, changes, m_codec);
    m_changes = &applied;
    CSyncReport report;
    Sync(url, switchCollection, report);
    m_pCards->Keep(m_state.m_entries);
    m_changes = nullptr;
    return report;
}

void CSyncEngine::Sync(const std::string& url, bool switchCollection, CSyncReport& report) {
    if (!Discover(url, switchCollection, report))
        return;
    const CDavListing listing = m_dav.List(m_bFresh ? std::string() : m_state.m_strToken);
    if (!listing.ok) {
        report.error = Failure("REPORT", listing.failure);
        return; // the state stays as it was, for the next sync with the right URL
    }
    if (m_bFresh) {
        m_state = CSyncState();
        m_state.m_strUrl = m_strUrl;
    }
    m_state.m_strUrl = CDavUrl::Safe(m_state.m_strUrl);
    m_state.m_strCollection = m_strCollection;
    report.outside += listing.outside;
    CanonicalEntries(report);
    std::map<std::string, std::string> uidOfHref;
    for (const auto& [uid, entry] : m_state.m_entries) {
        uidOfHref.emplace(entry.href, uid);
        if (!listing.complete)
            m_server[entry.href] = entry.etag;
    }
    for (const std::string& href : listing.removed)
        m_server.erase(href);
    for (const CDavResource& resource : listing.changed)
        m_server[resource.href] = resource.etag;
    std::map<std::string, std::string> wanted;
    for (const auto& [href, etag] : m_server) {
        const auto known = uidOfHref.find(href);
        // A card an earlier sync kept the old digest of is read once more, so that its UID is
        // compared with the one the book gave its person.
        if (known == uidOfHref.end() || m_state.m_entries.at(known->second).etag != etag ||
            !CSyncDigest::IsCurrent(m_state.m_entries.at(known->second).digest))
            wanted.emplace(href, etag);
    }
    if (!FetchAll(wanted, report))
        return; // nothing changed yet on either side

    CSyncIdentity::CLiveMap live;
    for (CPersonalData* person : m_doc.GetPersonList())
        live.emplace(person->GetUid().ToString(), person);
    CSyncIdentity identity(
        m_state, m_fetched, live, m_doc.GetDeletedList(), [this](CPersonalData* person, CUid uid) {
            m_changes->Apply(std::make_unique<CChangeUidCommand>(person, std::move(uid)));
        });
    for (CPersonalData* person : m_doc.GetDeletedList())
        m_deleted.emplace(person->GetUid().ToString(), person);
    identity.UpgradeDigests();
    report.recovered += identity.Reconcile();
    report.recovered += identity.Recover();
    std::set<std::string> uids;
    for (const auto& [uid, entry] : m_state.m_entries)
        uids.insert(uid);
    for (const auto& [uid, card] : m_fetched)
        uids.insert(uid);
    for (const auto& [uid, person] : live)
        uids.insert(uid);
    for (const std::string& uid : uids) {
        const auto found = live.find(uid);
        Decide(uid, found == live.end() ? nullptr : found->second, report);
    }
    // The token is the one from before this sync's writes, so that the next listing shows
    // them and their ETags confirm what was recorded.
    m_state.m_strToken = listing.token;
    for (const CUpload& upload : m_uploads) {
        if (!Upload(upload, report))
            return;
    }
    for (const std::string& uid : m_removals) {
        if (!Remove(uid, report))
            return;
    }
    return;
}
