#include <gtest/gtest.h>

#include "skin/run_directory.h"

TEST(RunDirectoryTest, CutsAtTheLastBackslashThatIsNoTrailByte) {
  struct {
    const char* path;
    const char* directory;
  } cases[] = {
      {"C:\\Program Files\\Lirabo\\LiraboMelvoran.exe", "C:\\Program Files\\Lirabo"},
      {"C:\\LiraboMelvoran.exe", "C:"},
      {"LiraboMelvoran.exe", ""},
      {"", ""},
      // "\x81\x5C" is one GBK character whose second byte is a backslash.
      {"C:\\\x81\x5C\\a.exe", "C:\\\x81\x5C"},
      {"C:\\\x81\x5C" "a.exe", "C:"},
      {"C:\\\xD2\xF4\xC0\xD6\\\xB8\xE8.exe", "C:\\\xD2\xF4\xC0\xD6"},
      {"\\\\server\\share\\x.exe", "\\\\server\\share"},
      // A lead byte at the very end has no trail byte to take.
      {"C:\\dir\\\x81", "C:\\dir"},
  };
  for (const auto& c : cases) EXPECT_EQ(DirectoryOfModulePath(c.path), c.directory) << c.path;
}
