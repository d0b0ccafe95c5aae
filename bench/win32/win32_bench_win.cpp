// Benchmarks of the Windows program under Wine, printed as table rows
// ("ROW<TAB>figure<TAB>value<TAB>comparison<TAB>ratio"):
//   win32_bench fetch URL MEGABYTES   FetchUrl of a body from a local server
//   win32_bench fill PROGRAM          the real program's start-up and its peak
//                                     working set with 10,000 rows, and the
//                                     time to fill them (in this process)
// The fill serves the playlist itself, on the port the build's host names.

#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "playlist/fetch_playlist.h"
#include "playlist/fetch_url.h"
#include "raw_http_server_win.h"
#include "ui/song_list_view_win.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency.QuadPart;
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Row(const std::string& figure, const std::string& value, const std::string& comparison,
         const std::string& ratio) {
  std::printf("ROW\t%s\t%s\t%s\t%s\n", figure.c_str(), value.c_str(), comparison.c_str(),
              ratio.c_str());
  std::fflush(stdout);
}

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof(text), format, value);
  return text;
}

// Prints the median MB/s of five fetches; the caller sets curl's figure beside it.
int BenchFetch(const char* url, double megabytes) {
  std::vector<double> rates;
  for (int i = 0; i < 5; ++i) {
    const LARGE_INTEGER start = Now();
    const Bytes body = FetchUrl(url);
    const double seconds = Seconds(start, Now());
    if (body.size() != static_cast<std::size_t>(megabytes * 1024 * 1024)) {
      std::fprintf(stderr, "fetched %u bytes\n", static_cast<unsigned>(body.size()));
      return 1;
    }
    rates.push_back(body.size() / (1024.0 * 1024.0) / seconds);
  }
  std::printf("%.1f\n", Median(rates));
  return 0;
}

std::string PlaylistOf(int songs) {
  std::string answer = "jsonCallback({code:0,data:{songlist:[\n";
  for (int i = 1; i <= songs; ++i) {
    const std::string n = std::to_string(i);
    answer += "{xsong_id:" + n + ",xsong_name:'歌曲" + n + "',xsinger_id:7,xsinger_name:'歌手" + n +
              "',xsong_url:'http://stream.example.com/" + n + ".mp3',xsong_dissid:3},\n";
  }
  return answer + "]}})";
}

struct Program {
  PROCESS_INFORMATION process = {};
  HWND window = nullptr;
};

bool StartProgram(const std::string& path, Program& program, double& startSeconds) {
  std::string command = "\"" + path + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  const LARGE_INTEGER start = Now();
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &program.process)) {
    return false;
  }
  for (int i = 0; i < 20000; ++i) {
    const HWND window = FindWindowA(nullptr, "Lirabo-Melvoran");
    if (window != nullptr && IsWindowVisible(window)) {
      program.window = window;
      startSeconds = Seconds(start, Now());
      return true;
    }
    Sleep(1);
  }
  return false;
}

void EndProgram(Program& program) {
  if (program.window != nullptr) PostMessageA(program.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(program.process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(program.process.hProcess, 1);
  }
  CloseHandle(program.process.hProcess);
  CloseHandle(program.process.hThread);
}

int Rows(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

double CpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  const auto value = [](FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return (value(kernel) + value(user)) / 1e7;
}

// Enter in the real program's QQ number box, then waits until the program has
// the 10,000 rows. Nothing is sent to the program while it fills (messages
// sent to it then slow it down a great deal under Wine): the wait watches its
// processor time come to rest.
bool FillProgram(const Program& program, int rows) {
  const HWND box = FindWindowExA(program.window, nullptr, "Edit", nullptr);
  const HWND list = FindWindowExA(program.window, nullptr, "SysListView32", nullptr);
  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("10000"));
  PostMessageA(box, WM_KEYDOWN, VK_RETURN, 1);
  double last = CpuSeconds(program.process.hProcess);
  for (int quiet = 0, i = 0; quiet < 10 && i < 6000; ++i) {
    Sleep(100);
    const double now = CpuSeconds(program.process.hProcess);
    quiet = now - last < 0.005 ? quiet + 1 : 0;
    last = now;
  }
  return Rows(list) == rows;
}

// The real program in this process, as its window's handler runs it: from the
// call to the last row, with and without the list's redraw held back.
void BenchFillInProcess() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ToolkitWindow* window = LoadMainWindow();
  ShowAndActivate(window);
  EventArgs click;
  click.window = window;
  const HWND list = ControlHandle(window, kSongListName);
  std::vector<double> paused, drawing;
  for (int run = 0; run < 3; ++run) {
    LARGE_INTEGER start = Now();
    OnExtractClicked(click);
    paused.push_back(Seconds(start, Now()));
    if (Rows(list) != 10000) std::fprintf(stderr, "%d rows\n", Rows(list));
  }
  // Once only: it takes a hundred times as long.
  LARGE_INTEGER start = Now();
  SongListView songs(list);
  FetchPlaylist(songs, "10000");
  drawing.push_back(Seconds(start, Now()));
  DestroyWindow(window->hwnd);
  const double ours = Median(paused), plain = Median(drawing);
  Row("FetchPlaylist 10,000 rows into the list (Wine)", Format("%.0f ms", ours * 1000),
      "redrawn after each row " + Format("%.0f ms", plain * 1000), Format("%.4fx", ours / plain));
}

int BenchFill(const char* programPath) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  RawHttpServer service(RawHttpServer::Answer(200, PlaylistOf(10000)), QZ_SAMPLE_PORT);

  std::vector<double> starts;
  SIZE_T peak = 0;
  for (int run = 0; run < 3; ++run) {
    Program program;
    double startSeconds = 0;
    if (!StartProgram(programPath, program, startSeconds)) {
      std::fprintf(stderr, "the program did not start\n");
      return 1;
    }
    starts.push_back(startSeconds);
    if (run == 0) {
      if (!FillProgram(program, 10000)) std::fprintf(stderr, "the program did not fill\n");
      PROCESS_MEMORY_COUNTERS memory = {};
      memory.cb = sizeof(memory);
      if (GetProcessMemoryInfo(program.process.hProcess, &memory, sizeof(memory))) {
        peak = memory.PeakWorkingSetSize;
      }
    }
    EndProgram(program);
  }
  Row("start-up to the main window shown (Wine, warm)", Format("%.0f ms", Median(starts) * 1000),
      "-", "-");
  BenchFillInProcess();
  Row("peak working set after 10,000 rows (Wine)",
      peak > 0 ? Format("%.1f MB", peak / (1024.0 * 1024.0)) : "not reported", "-", "-");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "fetch" && argc > 3) return BenchFetch(argv[2], std::atof(argv[3]));
  if (mode == "fill" && argc > 2) return BenchFill(argv[2]);
  std::fprintf(stderr, "usage: win32_bench fetch URL MEGABYTES | fill PROGRAM\n");
  return 64;
}
