// vCard text of one contact, in the version stored in the contact. The
// layout (property order, parameter spellings, LF after each property
// line, CR LF after each photo line, no folding) is fixed byte for byte.
#pragma once

#include <string>

namespace tabulon {

class TvCard;
class TvContact;

// From "BEGIN:VCARD" to "END:VCARD" (no line end after it). PRODID is the
// card's. Runs EncodePhoto on the contact first, hence the non-const
// contact.
std::u16string ContactToString(const TvCard& card, TvContact& contact);

}  // namespace tabulon
