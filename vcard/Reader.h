// Reading vCard text into an address book: one pass over the lines, each
// line tried against a fixed list of property names in a fixed order.
#pragma once

#include <string>
#include <string_view>

#include "vcard/FileStringList.h"

namespace tabulon {

class TvCard;

// The lines of a vCard file's bytes: UTF-8 (a byte-order mark skipped)
// when they are valid UTF-8 and hold a line; otherwise decoded by their
// byte-order mark (UTF-8, UTF-16 LE or BE) or, without one, as
// Windows-1252. Lines end at CR LF, CR or LF.
void LoadVCardLines(std::string_view bytes, TFileStringList& lines);

// Appends the contacts of `bytes` to `card`, then decodes the photos of
// the contacts it added. A date that doesn't exist raises EvCardError; the
// contacts read before it stay in the card.
void ReadVCard(TvCard& card, std::string_view bytes);

}  // namespace tabulon
