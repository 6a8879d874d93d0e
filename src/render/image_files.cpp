#include "render/image_files.h"

#include "base/files.h"
#include "base/text.h"
#include "base/gb_chars.h"
#include "store/records.h"

namespace mivrel {
namespace {

bool IsPathSeparator(char c) { return c == '/' || c == '\\' || c == ':'; }
bool IsControlByte(unsigned char c) { return c < 0x20 || c == 0x7F; }

}  // namespace

std::string PlainImageFileName(std::string_view gb_stored_name) {
  std::string name;
  for (size_t pos = 0; pos < gb_stored_name.size();) {
    const size_t length = GbCharLength(gb_stored_name, pos);
    const char c = gb_stored_name[pos];
    if (length > 1) {
      name.append(gb_stored_name, pos, length);
    } else if (IsPathSeparator(c)) {
      name.clear();
    } else {
      name += IsControlByte(static_cast<unsigned char>(c)) ? '_' : c;
    }
    pos += length;
  }
  if (name == "." || name == "..") return std::string();
  return name;
}

std::vector<WrittenImage> WriteEntryImages(Database& db, long long entry_id,
                                           const std::string& gb_folder) {
  std::vector<WrittenImage> written;
  if (gb_folder.empty()) return written;
  for (ImageRecord& image : ReadImagesOf(db, entry_id)) {
    std::string file_name = PlainImageFileName(image.file_name);
    if (file_name.empty()) continue;
    const std::string path = gb_folder + file_name;
    RemoveFile(path);
    if (WriteWholeFile(path, image.data)) written.push_back({std::move(image.file_name), std::move(file_name)});
  }
  return written;
}

}  // namespace mivrel
