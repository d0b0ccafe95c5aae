// qzplaylist: the whole playlist of a QQ number in one go, for a player or a
// script, from the same query, request and extraction as the window tool.

#include <cstdio>
#include <new>
#include <vector>

#include "cli/export_command.h"
#include "cli/platform.h"

int main(int argc, char** argv) {
  UseBinaryStandardStreams();
  try {
    return RunExport(std::vector<Text>(argv + 1, argv + argc));
  } catch (const std::bad_alloc&) {
    std::fputs("qzplaylist: out of memory\n", stderr);
    return 70;
  }
}
