# Writes every *.png of the folder DIR as the byte arrays of kStarterImages
# (declared in tool/starter_content.h) into the C++ file OUT.
file(GLOB _images ${DIR}/*.png)
list(SORT _images)
set(_arrays "")
set(_table "")
set(_index 0)
foreach(_image IN LISTS _images)
  get_filename_component(_name ${_image} NAME)
  file(READ ${_image} _hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  string(APPEND _arrays "const unsigned char kImage${_index}[] = {${_bytes}};\n")
  string(APPEND _table "    {\"${_name}\", kImage${_index}, sizeof kImage${_index}},\n")
  math(EXPR _index "${_index} + 1")
endforeach()
if(_index EQUAL 0)
  message(FATAL_ERROR "no starter images in ${DIR}")
endif()
file(WRITE ${OUT} "// Generated from ${DIR}; do not edit.
#include \"tool/starter_content.h\"

namespace mivrel {
namespace {
${_arrays}}  // namespace

const StarterImage kStarterImages[] = {
${_table}};
const std::size_t kStarterImageCount = ${_index};

}  // namespace mivrel
")
