// The starter library's content, compiled into mivrel-tool from
// resources/starter/: the statements that insert its categories, entries and
// image rows, and the bytes of the image files those rows name.
#pragma once

#include <cstddef>

namespace mivrel {

// INSERT statements for [class], [fun] and [img] (GB18030 like every narrow
// literal; run through Database::Run).  The [img] rows carry the file name and
// the owning entry; their [数据] is NULL until the bytes of the image file of
// that name are filled in.
extern const char kStarterSql[];

struct StarterImage {
  const char* file_name;        // as [img].[文件名] names it, ASCII
  const unsigned char* bytes;   // the PNG file as it is
  std::size_t size;
};

// resources/htmedit/demo.html, the external HTML editor kit's page (GB18030
// like every narrow literal).
extern const char kEditorKitHtml[];

// Every file of resources/starter/images/, in name order.
extern const StarterImage kStarterImages[];
extern const std::size_t kStarterImageCount;

}  // namespace mivrel
