// The text routines that the vCard writer, reader and XML form share:
// comma escaping, the two quoted-printable codecs, and the parameter texts
// for "preferred", field types and phone types. Texts are UTF-16; a
// "character" is one UTF-16 code unit unless said otherwise.
#pragma once

#include <string>
#include <string_view>

#include "vcard/Types.h"

namespace tabulon {

// A backslash before every comma; nothing else is escaped.
std::u16string EscapeCommas(std::u16string_view text);

// "=" to "=3D", then CR to "=0D", then LF to "=0A" (all occurrences, in
// that order), and the reverse in the reverse order. Other characters pass
// unchanged, so =3D0A decodes to =0A, not to a line feed.
std::u16string QPEncodeBreaks(std::u16string_view text);
std::u16string QPDecodeBreaks(std::u16string_view text);

// The byte encoding behind quoted-printable text. qcLatin1 reads each byte
// as the character of that code; it is what a value without a known
// CHARSET parameter gets.
enum TQPCharset : uint8_t { qcLatin1, qcWindows1252, qcUtf8 };

// The charset named by a CHARSET= parameter in `params` (compared without
// case): UTF-8, Windows-1252 (ISO-8859-1 read as Windows-1252), else
// qcLatin1.
TQPCharset ParseQPCharset(std::u16string_view params);

// True when Windows-1252 has a byte for every character of `text`.
bool FitsWindows1252(std::u16string_view text);

// Quoted-printable of the bytes of `text` in `charset` (qcUtf8: UTF-8,
// anything else: Windows-1252). Printable ASCII but "=" is written as is,
// blanks and tabs too until a soft line break has been written, every
// other byte as "=" and two upper-case hex digits. With `softLineBreaks`,
// "=" CR LF is written after the character during which the byte count of
// the current line passed 76, so a break never splits a character.
std::u16string QPEncode(std::u16string_view text, TQPCharset charset, bool softLineBreaks);

// With `qp` false, the text unchanged. Otherwise every "=" followed by two
// characters becomes the byte of that hex code, a "=" with fewer after it
// is dropped, and the bytes are read in `charset` (UTF-8: invalid
// sequences become U+FFFD). Characters outside ASCII that stand in the
// text as they are pass unchanged.
std::u16string QPDecode(std::u16string_view text, bool qp, TQPCharset charset = qcLatin1);

// Sum of HexDigitValue of the characters, the last one counting 1, the one
// before it 16, and so on (modulo 2^32).
uint32_t HexToInt(std::u16string_view text);
// "0"-"9", "A"-"F", "a"-"f" give 0 to 15; any other character gives 0.
int HexDigitValue(char16_t c);

// "" when not preferred; ";PREF" in 2.1, ";TYPE=PREF" in any other version.
std::u16string PrefParam(bool preferred, TvCardVersion version);

// "HOME", "WORK" or "" for ftOther. vvNone is the XML form: the bare word,
// "OTHER" for ftOther. 2.1 prefixes ";" (ftOther gives no parameter at
// all); 3.0 and 4.0 prefix ";TYPE=".
std::u16string FieldTypeText(TvFieldType type, TvCardVersion version);

// True when the parameters contain "PREF" in any case.
bool IsPreferred(std::u16string_view params);

// ftHome when the parameters contain "HOME" in any case, else ftWork when
// they contain "WORK", else ftOther.
TvFieldType ParseFieldType(std::u16string_view params);

// Each phone type whose word the parameters contain, in any case. TEXT
// counts only outside the word TEXTPHONE.
TvPhoneTypes ParsePhoneTypes(std::u16string_view params);

}  // namespace tabulon
