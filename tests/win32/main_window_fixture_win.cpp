#include "main_window_fixture_win.h"

#include "browser_log_win.h"

std::string ThreeSongAnswer() {
  std::string answer = "jsonCallback({code:0,data:{songlist:[";
  const char* songs[][3] = {
      {"晴天", "周杰伦", "http://stream.example/qingtian.mp3"},
      {"后来", "刘若英", "http://stream.example/houlai.mp3"},
      {"童话", "光良", "http://stream.example/tonghua.wma"},
  };
  for (const auto& s : songs) {
    answer += std::string("{xsong_id:1,xsong_name:'") + s[0] + "',xsinger_id:2,xsinger_name:'" +
              s[1] + "',xsong_url:'" + s[2] + "',xsong_dissid:3},";
  }
  return answer + "]}})";
}

void MainWindowTest::SetUp() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  StartRecordingBrowser();
  window_ = LoadMainWindow();
  ASSERT_NE(window_, nullptr);
  hwnd_ = window_->hwnd;
  ShowAndActivate(window_);
  PumpUntil([&] { return GetForegroundWindow() == hwnd_ && GetFocus() != nullptr; }, 2000);
  PumpFor(50);
}

void MainWindowTest::TearDown() {
  if (FindOpenWindow(kMainWindow) != nullptr) DestroyWindow(hwnd_);
  PumpFor(30);
  TakeQuitMessage();
  service_.reset();
}

void MainWindowTest::StartService(const std::string& answer) {
  service_ = std::make_unique<RawHttpServer>(RawHttpServer::Answer(200, answer), QZ_SAMPLE_PORT);
}

std::string MainWindowTest::LastTarget() const {
  const auto requests = service_->Requests();
  if (requests.empty()) return "";
  const std::string& head = requests.back();
  const std::size_t start = head.find(' ') + 1;
  return head.substr(start, head.find(' ', start) - start);
}

int MainWindowTest::RowCount() const {
  return static_cast<int>(SendMessageA(Control(kSongListName), LVM_GETITEMCOUNT, 0, 0));
}

std::string MainWindowTest::Cell(int row, int column) const {
  char text[2048] = {};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  SendMessageA(Control(kSongListName), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return item.pszText;
}

void MainWindowTest::Focus(const char* name) {
  SetFocus(Control(name));
  PumpFor(20);
}
