#include "framework/input_grab.h"

#include <dlfcn.h>

#include <wx/toplevel.h>

namespace mivrel {
namespace {

// Looked up at run time, like the compact style: GTK is loaded by wx and no
// GTK development headers are needed.
using SetModal = void (*)(void* window, int modal);

}  // namespace

void TakeInputGrab(wxTopLevelWindow& window) {
  auto set_modal = reinterpret_cast<SetModal>(dlsym(RTLD_DEFAULT, "gtk_window_set_modal"));
  void* native = window.GetHandle();
  if (set_modal == nullptr || native == nullptr) return;
  set_modal(native, 1);
}

}  // namespace mivrel
