#include "framework/compact_style.h"

#include <dlfcn.h>

namespace mivrel {
namespace {

// Looked up at run time, like the web-extension fix: GTK is loaded by wx and
// no GTK development headers are needed.
using NewProvider = void* (*)();
using LoadFromData = int (*)(void*, const char*, long, void**);
using DefaultScreen = void* (*)();
using AddProvider = void (*)(void*, void*, unsigned);

constexpr unsigned kApplicationPriority = 600;  // GTK_STYLE_PROVIDER_PRIORITY_APPLICATION

const char kCompactCss[] =
    "toolbar { padding: 0px; }"
    "toolbar button { padding: 0px; min-width: 0px; }"
    "toolbar separator { margin: 0px 1px; }"
    "notebook tab { padding: 1px 2px; min-width: 0px; }"
    "notebook header.top tabs { margin: 0px; }";

}  // namespace

void UseCompactControls() {
  auto new_provider = reinterpret_cast<NewProvider>(dlsym(RTLD_DEFAULT, "gtk_css_provider_new"));
  auto load = reinterpret_cast<LoadFromData>(dlsym(RTLD_DEFAULT, "gtk_css_provider_load_from_data"));
  auto screen = reinterpret_cast<DefaultScreen>(dlsym(RTLD_DEFAULT, "gdk_screen_get_default"));
  auto add = reinterpret_cast<AddProvider>(
      dlsym(RTLD_DEFAULT, "gtk_style_context_add_provider_for_screen"));
  if (new_provider == nullptr || load == nullptr || screen == nullptr || add == nullptr) return;
  void* provider = new_provider();
  void* display = screen();
  if (provider == nullptr || display == nullptr) return;
  if (!load(provider, kCompactCss, -1, nullptr)) return;
  add(display, provider, kApplicationPriority);
}

}  // namespace mivrel
