// The JSON form of an address book that `xls2vcf read` prints and
// `xls2vcf write` takes: {"ProdID": ..., "vContacts": [...]}, every
// contact an object keyed by the model's property names, enumerations by
// their identifiers, date-times as "YYYY-MM-DDTHH:MM:SS" (null for none),
// the photo as base64 of its bytes.
#pragma once

#include <nlohmann/json.hpp>

namespace tabulon {
class TvCard;
}

namespace tabulon::cli {

nlohmann::ordered_json CardToJson(const TvCard& card);

// Fills `card` from `json`. Absent keys keep the model's defaults, unknown
// keys are ignored; a value of the wrong type, an unknown enumeration
// identifier, a malformed date-time or photo raises an error naming the
// value's place ("vContacts[0].Emails[1].EmailType: ...").
void CardFromJson(const nlohmann::json& json, TvCard& card);

}  // namespace tabulon::cli
