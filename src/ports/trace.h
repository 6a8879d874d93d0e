// The optional outside diagnostic viewer: lines the program writes as it
// works (which page format was shown, which index text was looked up).  Silent
// until a sink is set, which the desktop program does only when the user asks
// for the viewer.  User-interface thread only.
#pragma once

#include <functional>
#include <string>

namespace mivrel {

class TraceSink {
 public:
  using Sink = std::function<void(const std::string&)>;
  void SetSink(Sink sink) { sink_ = std::move(sink); }
  // One GB18030 line; nothing when no sink is set or the line is empty.
  void Line(const std::string& gb_line) const {
    if (sink_ && !gb_line.empty()) sink_(gb_line);
  }

 private:
  Sink sink_;
};

}  // namespace mivrel
