#include "app/program_win.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "playlist/fetch_url.h"
#include "skin/run_directory.h"
#include "skin/skin_engine_binding_win.h"
#include "toolkit/message_loop_win.h"
#include "toolkit/runtime_error_win.h"

void ShutdownProcess() {
  CloseInternetSession();
  ReleaseSkinEngine();
}

int RunProgram() {
  SetCurrentDirectoryA(RunDirectory().c_str());
  SetShutdownProcedure(ShutdownProcess);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  ToolkitWindow* window = LoadMainWindow();
  if (window == nullptr) ReportRuntimeError(0, "载入启动窗口失败");
  ShowAndActivate(window);
  const int exitCode = RunMessageLoop();
  RunShutdown();
  return exitCode;
}
