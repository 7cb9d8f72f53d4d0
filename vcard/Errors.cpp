#include "vcard/Errors.h"

#include "platform/Printf.h"

namespace tabulon {

void ThrowListIndexError(int index) {
  throw EListError(Printf("List index out of bounds (%d)", index));
}

}  // namespace tabulon
