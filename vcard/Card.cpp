#include "vcard/Card.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

#include "platform/Printf.h"
#include "platform/TextEncoding.h"
#include "vcard/AtomicFile.h"
#include "vcard/Errors.h"
#include "vcard/FileStringList.h"
#include "vcard/Reader.h"
#include "vcard/Writer.h"

namespace tabulon {
namespace {

std::string ReadAll(std::istream& stream) {
  std::string bytes;
  try {
    bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    stream.setstate(std::ios::badbit);
  }
  if (stream.bad()) throw EvFileError("Stream read error");
  return bytes;
}

// Every contact's text followed by CR LF, in UTF-8.
std::string CardBytes(TvCard& card) {
  TFileStringList lines;
  for (TvContact& contact : card.vContacts()) lines.WriteLn(ContactToString(card, contact));
  return ToUtf8(lines.Text());
}

}  // namespace

void TvCard::LoadFromFile(const std::string& fileName) {
  FvContacts.Clear();
  InsertFromFile(fileName);
}

void TvCard::LoadFromStream(std::istream& stream) {
  FvContacts.Clear();
  InsertFromStream(stream);
}

void TvCard::InsertFromFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  std::error_code ignored;
  const int error = !file ? errno : std::filesystem::is_directory(fileName, ignored) ? EISDIR : 0;
  if (error != 0)
    throw EvFileError(Printf("Cannot open file \"%s\". %s", fileName.c_str(), std::strerror(error)));
  InsertFromStream(file);
}

void TvCard::InsertFromStream(std::istream& stream) { ReadVCard(*this, ReadAll(stream)); }

void TvCard::SaveToFile(const std::string& fileName) {
  SaveFileAtomically(fileName, CardBytes(*this));
}

void TvCard::SaveToFile(const std::string& fileName, TvContact& contact) {
  SaveFileAtomically(fileName, ToWindows1252(ContactToString(*this, contact) + u"\r\n"));
}

void TvCard::SaveToStream(std::ostream& stream) {
  const std::string bytes = CardBytes(*this);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  stream.flush();
  if (!stream) throw EvFileError("Stream write error");
}

std::u16string TvCard::SaveToString() {
  std::u16string text;
  for (TvContact& contact : FvContacts) {
    text += ContactToString(*this, contact);
    text += u'\n';
  }
  return text;
}

}  // namespace tabulon
