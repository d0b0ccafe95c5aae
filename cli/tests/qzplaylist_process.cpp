#include "qzplaylist_process.h"

#include <dirent.h>
#include <iconv.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "tools/sample_service/tests/service_process.h"

ProgramRun RunQzPlaylist(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
  return RunProgram(QZPLAYLIST_PROGRAM, arguments, environment);
}

std::string SampleServiceHost() {
  // Started on first use and killed when the test program ends.
  static ServiceProcess service;
  static const std::string host = [] {
    std::string line;
    const int port = StartOnFreePort(service, QZ_SAMPLE_SERVICE_PROGRAM, line);
    return port > 0 ? "127.0.0.1:" + std::to_string(port) : std::string();
  }();
  return host;
}

TemporaryDirectory::TemporaryDirectory() {
  const char* base = std::getenv("TMPDIR");
  std::string name = std::string(base != nullptr ? base : "/tmp") + "/qzplaylist-test.XXXXXX";
  if (mkdtemp(&name[0]) != nullptr) path_ = name;
}

TemporaryDirectory::~TemporaryDirectory() {
  if (path_.empty()) return;
  for (const std::string& entry : Entries()) unlink(File(entry).c_str());
  rmdir(path_.c_str());
}

std::vector<std::string> TemporaryDirectory::Entries() const {
  std::vector<std::string> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(path_.c_str()), closedir);
  if (!dir) return names;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string Utf8ToGbk(const std::string& utf8) {
  std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("GBK", "UTF-8"), iconv_close);
  std::string in = utf8;
  std::string out(in.size() * 2 + 1, '\0');
  char* inPointer = &in[0];
  char* outPointer = &out[0];
  std::size_t inLeft = in.size(), outLeft = out.size();
  if (iconv(cd.get(), &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
    return "(not convertible to GBK)";
  out.resize(out.size() - outLeft);
  return out;
}
