// An observer of what the program does on its screen (status texts, pages
// loaded, links resolved, message boxes, commands run).  The GUI tests watch
// the running program through one; the application injects it at start and
// the windows and adapters report to it.  Null by default: then nothing is
// reported and nothing costs.  User-interface thread only.
#pragma once

#include <string>

namespace mivrel {

class EventObserver {
 public:
  virtual ~EventObserver() = default;
  // One event: a short kind ("status", "loaded", ...) and a GB18030 text.
  virtual void Observe(const std::string& kind, const std::string& gb_text) = 0;
};

// Reports to `observer` when there is one.
inline void Observe(EventObserver* observer, const std::string& kind, const std::string& gb_text) {
  if (observer != nullptr) observer->Observe(kind, gb_text);
}

}  // namespace mivrel
