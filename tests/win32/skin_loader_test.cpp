// The skin loader: the engine file in the run directory, the binding and the
// arguments handed to the engine. Most cases run the skin probe, copied into
// a run directory of their own, against a stand-in engine that records.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "probe_process_win.h"
#include "skin/carried_data_win.h"
#include "skin/skin_engine_file_win.h"
#include "skin_test_paths.h"

namespace {

const char kMissingEngineReport[] =
    "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_AttachRes”\r\n";

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void RemoveTree(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

uint32_t Fingerprint(const std::string& bytes) {
  uint32_t hash = 2166136261u;
  for (unsigned char c : bytes) hash = (hash ^ c) * 16777619u;
  return hash;
}

std::string AttachLine(const std::string& skin) {
  char line[256];
  std::snprintf(line, sizeof(line),
                "attach data=%s length=%u head=%s fingerprint=%08lx password=text[0] hue=0 "
                "saturation=0 brightness=0",
                skin.empty() ? "null" : "set", static_cast<unsigned>(skin.size()),
                skin.empty() ? "-" : "2e534845", static_cast<unsigned long>(Fingerprint(skin)));
  return line;
}

std::string SkinFile(int n) { return ReadBytes(DosPath(kBuiltInSkinFiles[n - 1])); }

class SkinLoaderTest : public ::testing::Test {
 protected:
  // A fresh run directory holding a copy of the probe.
  std::string RunDirectory(const std::string& name) {
    CreateDirectoryA(DosPath(kSkinRunsDirectory).c_str(), nullptr);
    const std::string directory = DosPath(kSkinRunsDirectory) + "\\" + name;
    RemoveTree(directory);
    CreateDirectoryA(directory.c_str(), nullptr);
    CopyFileA(DosPath(kSkinProbeFile).c_str(), (directory + "\\skin_probe.exe").c_str(), FALSE);
    return directory;
  }
  ProbeResult Run(const std::string& directory, const std::string& skins) {
    return RunProbe("\"" + directory + "\\skin_probe.exe\" " + skins);
  }
  std::vector<std::string> EngineCalls(const std::string& directory) {
    std::vector<std::string> lines;
    std::ifstream log(directory + "\\engine-calls.log");
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }
};

TEST_F(SkinLoaderTest, HandsTheEngineACopyOfTheChosenSkin) {
  const std::string directory = RunDirectory("chosen");
  const ProbeResult result = Run(directory, "13 1 33");
  EXPECT_EQ(result.exitCode, 0u);
  EXPECT_FALSE(result.box.shown);
  const std::vector<std::string> expected = {"load", AttachLine(SkinFile(13)),
                                             AttachLine(SkinFile(1)), AttachLine(SkinFile(33)),
                                             "unload"};
  EXPECT_EQ(EngineCalls(directory), expected);
  EXPECT_EQ(SkinFile(13).substr(0, 4), ".SHE");
}

TEST_F(SkinLoaderTest, OutsideOneToThirtyThreeTheEngineGetsNoSkin) {
  const std::string directory = RunDirectory("none");
  EXPECT_EQ(Run(directory, "0 34 -1").exitCode, 0u);
  const std::string none = AttachLine("");
  EXPECT_EQ(EngineCalls(directory), (std::vector<std::string>{"load", none, none, none, "unload"}));
  EXPECT_NE(GetFileAttributesA((directory + "\\SkinH_EL.dll").c_str()), INVALID_FILE_ATTRIBUTES)
      << "the engine file is ensured all the same";
}

TEST_F(SkinLoaderTest, WritesTheCarriedImageHiddenIntoAFreshRunDirectory) {
  const std::string directory = RunDirectory("fresh");
  EXPECT_EQ(Run(directory, "13").exitCode, 0u);
  const std::string file = directory + "\\SkinH_EL.dll";
  EXPECT_EQ(ReadBytes(file), ReadBytes(DosPath(kStandInEngineFile)));
  // Hidden alone, as a file given only the hidden attribute reads back here
  // (some platforms report every regular file as archived).
  const std::string control = directory + "\\control";
  WriteBytes(control, "x");
  SetFileAttributesA(control.c_str(), FILE_ATTRIBUTE_HIDDEN);
  const DWORD hiddenAlone = GetFileAttributesA(control.c_str());
  ASSERT_TRUE(hiddenAlone & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(GetFileAttributesA(file.c_str()), hiddenAlone);
}

TEST_F(SkinLoaderTest, LeavesAnEntryOfThatNameAloneAndLoadsWhatIsThere) {
  const std::string otherVersion = ReadBytes(DosPath(kStandInEngineFile)) + std::string(64, '\0');
  struct {
    const char* what;
    std::string bytes;
    bool loads;
  } cases[] = {
      {"another version", otherVersion, true},
      {"zero bytes", "", false},
      {"no library at all", "this is not a library", false},
      {"a library without the export", ReadBytes(DosPath(kNoExportEngineFile)), false},
  };
  int index = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string directory = RunDirectory("existing" + std::to_string(index++));
    const std::string file = directory + "\\SkinH_EL.dll";
    WriteBytes(file, c.bytes);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    const ProbeResult result = Run(directory, "13");
    EXPECT_EQ(ReadBytes(file), c.bytes) << "not rewritten";
    EXPECT_EQ(GetFileAttributesA(file.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE))
        << "no new attributes";
    if (c.loads) {
      EXPECT_EQ(result.exitCode, 0u);
      EXPECT_EQ(EngineCalls(directory).size(), 3u);
    } else {
      EXPECT_EQ(result.exitCode, 0xFFFFFFFFu);
      EXPECT_EQ(result.box.caption, "错误");
      EXPECT_EQ(result.box.text, kMissingEngineReport);
    }
  }
}

TEST_F(SkinLoaderTest, ADirectoryOfThatNameCountsAsPresent) {
  const std::string directory = RunDirectory("directory");
  CreateDirectoryA((directory + "\\SkinH_EL.dll").c_str(), nullptr);
  const ProbeResult result = Run(directory, "13");
  const DWORD attributes = GetFileAttributesA((directory + "\\SkinH_EL.dll").c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
  // Nothing else on the standard search path is called SkinH_EL.dll.
  EXPECT_EQ(result.exitCode, 0xFFFFFFFFu);
  EXPECT_EQ(result.box.text, kMissingEngineReport);
}

TEST_F(SkinLoaderTest, ARunDirectoryWhoseNameHasABackslashTrailByteGetsTheFile) {
  // "乗" is 0x81 0x5C in GBK: its second byte is a backslash.
  const std::string directory = RunDirectory("\xC6\xA4\xB7\xF4\x81\x5C");
  EXPECT_EQ(Run(directory, "13").exitCode, 0u);
  EXPECT_EQ(ReadBytes(directory + "\\SkinH_EL.dll"), ReadBytes(DosPath(kStandInEngineFile)));
  EXPECT_EQ(EngineCalls(directory).size(), 3u);
}

TEST_F(SkinLoaderTest, ASecondCallNeitherRewritesNorReloads) {
  const std::string directory = RunDirectory("twice");
  EXPECT_EQ(Run(directory, "13 13").exitCode, 0u);
  const std::string attach = AttachLine(SkinFile(13));
  EXPECT_EQ(EngineCalls(directory), (std::vector<std::string>{"load", attach, attach, "unload"}));
}

TEST_F(SkinLoaderTest, AReadOnlyRunDirectoryGetsNothingWritten) {
  // Prepared by the test command (an immutable directory holding the probe).
  const std::string directory = DosPath(kSkinRunsDirectory) + "-readonly";
  if (GetFileAttributesA((directory + "\\skin_probe.exe").c_str()) == INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "no read-only run directory could be prepared on this machine";
  }
  const ProbeResult result = Run(directory, "13");
  EXPECT_EQ(GetFileAttributesA((directory + "\\SkinH_EL.dll").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(result.exitCode, 0xFFFFFFFFu);
  EXPECT_EQ(result.box.text, kMissingEngineReport);
}

// Writes that fail, in this process, through the writer seam.

int g_writes = 0;
DWORD g_failAfter = 0;  // bytes written before the failure
bool g_shortWrite = false;

BOOL WINAPI FailingWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED) {
  ++g_writes;
  *written = 0;
  if (g_shortWrite) return TRUE;  // succeeds without writing anything more
  if (g_failAfter == 0) return FALSE;
  const DWORD part = size < g_failAfter ? size : g_failAfter;
  g_failAfter -= part;
  return WriteFile(file, data, part, written, nullptr);
}

BOOL WINAPI CountingWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED o) {
  ++g_writes;
  return WriteFile(file, data, size, written, o);
}

class EngineFileWriteTest : public SkinLoaderTest {
 protected:
  void TearDown() override { SkinEngineFileWriter() = ::WriteFile; }
};

TEST_F(EngineFileWriteTest, AWriteThatFailsOrComesUpShortLeavesNoFile) {
  struct {
    const char* what;
    DWORD failAfter;
    bool shortWrite;
  } cases[] = {{"fails at once", 0, false}, {"fails part-way", 1000, false}, {"writes nothing", 0, true}};
  const CarriedData image = SkinEngineImage();
  ASSERT_GT(image.length, 1000u);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string file = RunDirectory("failed-write") + "\\SkinH_EL.dll";
    g_writes = 0;
    g_failAfter = c.failAfter;
    g_shortWrite = c.shortWrite;
    SkinEngineFileWriter() = FailingWrite;
    EnsureSkinEngineFileAt(file, image);
    EXPECT_GT(g_writes, 0);
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

TEST_F(EngineFileWriteTest, ThePresentFileIsNeverWrittenAgain) {
  const std::string file = RunDirectory("write-once") + "\\SkinH_EL.dll";
  SkinEngineFileWriter() = CountingWrite;
  g_writes = 0;
  EnsureSkinEngineFileAt(file, SkinEngineImage());
  const int firstWrites = g_writes;
  EXPECT_GT(firstWrites, 0);
  EnsureSkinEngineFileAt(file, SkinEngineImage());
  EXPECT_EQ(g_writes, firstWrites);
  EXPECT_EQ(ReadBytes(file), ReadBytes(DosPath(kStandInEngineFile)));
}

}  // namespace
