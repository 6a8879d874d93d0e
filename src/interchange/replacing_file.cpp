#include "interchange/replacing_file.h"

#include <unistd.h>

#include <atomic>

#include "base/files.h"

namespace mivrel {
namespace {

std::string TemporaryNameFor(const std::string& gb_target) {
  static std::atomic<unsigned> counter{0};
  return gb_target + ".~" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".part";
}

}  // namespace

ReplacingFile::ReplacingFile(std::string gb_target)
    : m_target(std::move(gb_target)), m_temporary(TemporaryNameFor(m_target)) {
  m_file = std::fopen(NativePath(m_temporary).c_str(), "wb");
  if (m_file != nullptr) std::setvbuf(m_file, nullptr, _IOFBF, 1 << 20);
}

ReplacingFile::~ReplacingFile() { Abandon(); }

void ReplacingFile::Append(std::string_view bytes) {
  if (!Ok() || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) m_failed = true;
}

bool ReplacingFile::Commit() {
  if (m_file == nullptr) return false;
  bool ok = !m_failed && std::fflush(m_file) == 0 && fsync(fileno(m_file)) == 0;
  ok = (std::fclose(m_file) == 0) && ok;
  m_file = nullptr;
  if (ok && RenameFile(m_temporary, m_target)) return true;
  RemoveFile(m_temporary);
  return false;
}

void ReplacingFile::Abandon() {
  if (m_file == nullptr) return;
  std::fclose(m_file);
  m_file = nullptr;
  RemoveFile(m_temporary);
}

}  // namespace mivrel
