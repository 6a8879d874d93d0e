#include "framework/web_extensions.h"

#include <dlfcn.h>
#include <sys/stat.h>

namespace mivrel {
namespace {

// The function is looked up at run time so that no WebKit development
// package is needed to build; the library is already loaded by wx's webview.
using GetDefaultContext = void* (*)();
using SetExtensionsDirectory = void (*)(void*, const char*);

bool FolderExists(const char* path) {
  struct stat info {};
  return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

void PointWebExtensionsFolder() {
  static const char* const kFolders[] = {
      "/usr/lib/x86_64-linux-gnu/wx/3.2/web-extensions",
      "/usr/lib/aarch64-linux-gnu/wx/3.2/web-extensions",
      "/usr/lib/wx/3.2/web-extensions",
  };
  const char* folder = nullptr;
  for (const char* candidate : kFolders) {
    if (FolderExists(candidate)) {
      folder = candidate;
      break;
    }
  }
  if (folder == nullptr) return;
  auto get_default = reinterpret_cast<GetDefaultContext>(
      dlsym(RTLD_DEFAULT, "webkit_web_context_get_default"));
  auto set_directory = reinterpret_cast<SetExtensionsDirectory>(
      dlsym(RTLD_DEFAULT, "webkit_web_context_set_web_extensions_directory"));
  if (get_default == nullptr || set_directory == nullptr) return;
  void* context = get_default();
  if (context != nullptr) set_directory(context, folder);
}

}  // namespace mivrel
