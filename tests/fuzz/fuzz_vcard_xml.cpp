// The XML form of a contact's lists must take any text: well-formed or not,
// it either fills the lists or raises the library's error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/TextEncoding.h"
#include "vcard/Contact.h"
#include "vcard/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text =
      tabulon::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  tabulon::TvContact contact;
  try {
    contact.Emails().LoadFromXml(text);
    contact.PhoneNumbers().LoadFromXml(text);
    contact.Addresses().LoadFromXml(text);
  } catch (const tabulon::EvCardError&) {
    return 0;
  }
  contact.Addresses().LoadFromXml(contact.Addresses().ToXml());
  return 0;
}
