// What a start of the program is given: the library folder and the keyword
// text of the command line.
//
// The library folder is the one after "--library" when the arguments begin
// with it, else the environment variable MIVREL_HOME, else the executable's
// folder.  Every other argument belongs to the keyword text: the arguments
// joined by single blanks, converted from the system's encoding (UTF-8) to
// GB18030.  Pure apart from reading the environment.
#pragma once

#include <string>

namespace mivrel {

struct LaunchOptions {
  std::string library_folder;  // GB18030, ends with a separator
  std::string keyword;         // GB18030, empty when none was given
};

// `argv[0]` is the program itself.
LaunchOptions ParseLaunchOptions(int argc, const char* const* argv);

}  // namespace mivrel
