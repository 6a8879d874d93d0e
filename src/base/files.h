// File-system access for paths held as GB18030 text (the program's text
// encoding).  On Linux the names on disk are UTF-8; the conversion happens here
// and nowhere else.  Failures are reported by return value only.
#pragma once

#include <string>
#include <vector>

namespace mivrel {

// The path as the operating system wants it (UTF-8 on Linux).
std::string NativePath(const std::string& gb_path);

bool PathExists(const std::string& gb_path);
bool IsDirectory(const std::string& gb_path);
bool IsRegularFile(const std::string& gb_path);

// Largest file ReadWholeFile reads: far above any settings file, help-book
// contents or library text, far below what would exhaust the memory.
constexpr unsigned long long kMaxWholeFileBytes = 1ULL << 30;

// Whole-file read; false when the path is no regular file (a folder, a pipe,
// a device), is larger than kMaxWholeFileBytes, or cannot be read.  Never
// blocks on a pipe.
bool ReadWholeFile(const std::string& gb_path, std::string& bytes);
// Writes the bytes, replacing any file of that name; false on failure.
bool WriteWholeFile(const std::string& gb_path, const std::string& bytes);
bool RenameFile(const std::string& gb_from, const std::string& gb_to);
bool RemoveFile(const std::string& gb_path);
// Creates the folder and any missing parents.
bool MakeDirectories(const std::string& gb_path);
// Removes the folder and everything below it.
bool RemoveTree(const std::string& gb_path);
// Names (GB18030) of the entries of a folder, "." and ".." left out, in the
// order the file system lists them.
std::vector<std::string> ListFolder(const std::string& gb_path, bool folders_only);

// The path made absolute against the current folder (already absolute: as is).
std::string AbsolutePath(const std::string& gb_path);

// The folder of the running executable, ending with "/".
std::string ExecutableFolder();
// The temporary-files folder: TEMP, else TMPDIR, else /tmp; ends with "/".
std::string TempRoot();

// Separator appended to folder names held by the program.
constexpr char kPathSeparator = '/';
std::string WithTrailingSeparator(std::string folder);

}  // namespace mivrel
