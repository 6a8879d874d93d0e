#include "framework/window_kind.h"

#include <dlfcn.h>

#include <wx/toplevel.h>

namespace mivrel {
namespace {

// Looked up at run time, like the input grab: GTK is loaded by wx and no GTK
// development headers are needed.
using SetTypeHint = void (*)(void* window, int hint);
constexpr int kToolbarHint = 3;  // GDK_WINDOW_TYPE_HINT_TOOLBAR

}  // namespace

void MarkAsCloseOnlyWindow(wxTopLevelWindow& window) {
  auto set_type_hint = reinterpret_cast<SetTypeHint>(dlsym(RTLD_DEFAULT, "gtk_window_set_type_hint"));
  void* native = window.GetHandle();
  if (set_type_hint == nullptr || native == nullptr) return;
  set_type_hint(native, kToolbarHint);
}

}  // namespace mivrel
