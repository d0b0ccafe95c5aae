#include "skin/skin_engine_file_win.h"

#include "skin/run_directory.h"

const char kSkinEngineLibraryName[] = "SkinH_EL.dll";

namespace {

bool EntryExists(const Text& path) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void Close() {
    if (valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, const CarriedData& image) {
  std::size_t written = 0;
  while (written < image.length) {
    DWORD piece = 0;
    const DWORD asked = static_cast<DWORD>(image.length - written);
    if (!SkinEngineFileWriter()(file, image.bytes + written, asked, &piece, nullptr)) return false;
    if (piece == 0) return false;
    written += piece;
  }
  return true;
}

}  // namespace

WriteFileProc& SkinEngineFileWriter() {
  static WriteFileProc writer = ::WriteFile;
  return writer;
}

void EnsureSkinEngineFileAt(const Text& path, const CarriedData& image) {
  if (EntryExists(path)) return;  // whatever it is, it is left alone
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return;
  const bool complete = WriteAll(file.get(), image);
  file.Close();
  if (!complete) {
    // A partial library would count as present on every later start and end
    // each of them in the error report: take it away instead.
    DeleteFileA(path.c_str());
    return;
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

void EnsureSkinEngineFile() {
  EnsureSkinEngineFileAt(RunDirectory() + "\\" + kSkinEngineLibraryName, SkinEngineImage());
}
