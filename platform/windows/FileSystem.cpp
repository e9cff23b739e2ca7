#include "platform/FileSystem.h"

// windows.h's min and max macros would break std::min.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>

namespace quendal::filesystem {
namespace {

// Closes the handle however the function returns.
struct Handle {
  HANDLE value;
  ~Handle() { Close(); }
  void Close() {
    if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
    value = INVALID_HANDLE_VALUE;
  }
};

bool SizeAndTime(HANDLE file, BY_HANDLE_FILE_INFORMATION& information) {
  return GetFileInformationByHandle(file, &information) != 0 &&
         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SameSizeAndTime(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.nFileSizeHigh == b.nFileSizeHigh && a.nFileSizeLow == b.nFileSizeLow &&
         CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0;
}

bool ReadUpTo(HANDLE file, std::size_t limit, std::string& bytes) {
  char buffer[65536];
  while (bytes.size() < limit) {
    DWORD count = 0;
    const DWORD wanted = static_cast<DWORD>(std::min(sizeof buffer, limit - bytes.size()));
    if (!ReadFile(file, buffer, wanted, &count, nullptr)) return false;
    if (count == 0) return true;
    bytes.append(buffer, count);
  }
  return true;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD count = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(file, bytes.data(), chunk, &count, nullptr)) return false;
    bytes.remove_prefix(count);
  }
  return true;
}

}  // namespace

bool IsHidden(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ||
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}

std::optional<FilePrefix> ReadPrefix(const std::filesystem::path& path, std::size_t limit) {
  // Shared for writing and deleting: the weather program must never find its file locked.
  const Handle file{CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.value == INVALID_HANDLE_VALUE || GetFileType(file.value) != FILE_TYPE_DISK) {
    return std::nullopt;
  }
  BY_HANDLE_FILE_INFORMATION before{};
  BY_HANDLE_FILE_INFORMATION after{};
  FilePrefix prefix;
  if (!SizeAndTime(file.value, before) || !ReadUpTo(file.value, limit, prefix.bytes) ||
      !SizeAndTime(file.value, after)) {
    return std::nullopt;
  }
  prefix.unchanged = SameSizeAndTime(before, after);
  const ULONGLONG size = (ULONGLONG{after.nFileSizeHigh} << 32) | after.nFileSizeLow;
  prefix.whole = size == prefix.bytes.size();
  return prefix;
}

NewFile WriteNewFileDurably(const std::filesystem::path& path, std::string_view bytes) {
  // CREATE_NEW opens nothing that is already there, a link included; the wide name, since
  // the narrow one is in the ANSI code page, which cannot spell every folder.
  Handle file{CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.value == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? NewFile::kNameTaken
                                                                       : NewFile::kFailed;
  }
  if (WriteAll(file.value, bytes) && FlushFileBuffers(file.value)) return NewFile::kWritten;
  file.Close();
  DeleteFileW(path.c_str());
  return NewFile::kFailed;
}

}  // namespace quendal::filesystem
