// Replacing a file without ever leaving it half written: the bytes go to a
// new file beside the target, which takes the target's place only once
// everything is on disk.
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// Writes `bytes` as the content of `fileName`. A symbolic link is followed
// (the file it points to is replaced, the link stays); a replaced file
// keeps its permission bits, a new one gets 0666 less the umask. Any
// failure raises EvFileError and leaves the old file as it was, with no
// temporary file left behind.
void SaveFileAtomically(const std::string& fileName, std::string_view bytes);

}  // namespace tabulon
