#include "app/launch_options.h"

#include <cstdlib>

#include "base/files.h"
#include "base/text.h"

namespace mivrel {

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv) {
  LaunchOptions options;
  int first_word = 1;
  if (argc >= 3 && std::string(argv[1]) == "--library") {
    options.library_folder = Utf8ToGb(argv[2]);
    first_word = 3;
  } else if (const char* home = std::getenv("MIVREL_HOME"); home != nullptr && *home != '\0') {
    options.library_folder = Utf8ToGb(home);
  } else {
    options.library_folder = ExecutableFolder();
  }
  options.library_folder = WithTrailingSeparator(options.library_folder);

  std::string words;
  for (int i = first_word; i < argc; ++i) {
    if (i > first_word) words += ' ';
    words += argv[i];
  }
  options.keyword = Utf8ToGb(words);
  return options;
}

}  // namespace mivrel
