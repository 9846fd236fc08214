// The pictures drawn a second time at twice their width and height, for scales
// above 1: "Resourse/2x/" + the picture's path below "Resourse/". A twin is used
// only while its 1x picture is the one it was drawn with: the table beside the
// set names each 1x picture with a checksum of its bytes, so a picture a modder
// has changed is drawn from itself, never from a stale twin.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace twins {

// "Resourse/2x/twins.txt": one line per twin, the 1x picture's path and the
// checksum of its bytes in hex.
inline constexpr const char* kTable = "Resourse/2x/twins.txt";

// The twin's path of a picture under "Resourse/" (none for any other path).
std::optional<std::string> twinPath(const std::string& picture);
// 64-bit FNV-1a of a file's bytes.
uint64_t checksum(const std::string& bytes);
std::string tableLine(const std::string& picture, uint64_t sum);
// The table read back; lines that are not "path hex" are skipped.
std::map<std::string, uint64_t> parseTable(const std::string& text);

}  // namespace twins
