#include "shell/history.h"

#include "base/text.h"

namespace mivrel {

HistoryRecord MakeHistoryRecord(PageKind kind, int id, const std::string& gb_title) {
  HistoryRecord record;
  record.id = id;
  record.kind = kind;
  // The field keeps its terminating NUL; a title is never cut inside a character.
  record.title = CutAtCharBoundary(gb_title, kHistoryTitleField - 1);
  return record;
}

bool History::Record(PageKind kind, int id, const std::string& gb_title) {
  if (!back_.empty() && back_.back().id == id && back_.back().kind == kind) return false;
  back_.push_back(MakeHistoryRecord(kind, id, gb_title));
  forward_.clear();
  return true;
}

const HistoryRecord* History::StepBack() {
  if (back_.size() < 2) return nullptr;
  forward_.push_back(back_.back());
  back_.pop_back();
  return &back_.back();
}

const HistoryRecord* History::StepForward() {
  if (forward_.empty()) return nullptr;
  back_.push_back(forward_.back());
  forward_.pop_back();
  return &back_.back();
}

}  // namespace mivrel
