#pragma once

#include "core/vcard/CVCardMapper.h"

#include <string>

// A card the server has that the book must look at.
struct CSyncCard {
    std::string href;
    std::string etag;
    CVCardPerson person; // texts CP932
    std::string text{};  // the card as the server sent it
    // Another person than the one of the book with the card's UID: it gets a UID of its own,
    // which goes up to its card.
    bool reassigned = false;
};
