#pragma once
// The real main window, built in the test's process, with a playlist service
// on the port the build's playlist host names.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/main_window_win.h"
#include "raw_http_server_win.h"
#include "window_test_support_win.h"

// An answer with three songs, in GBK.
std::string ThreeSongAnswer();

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Control(const char* name) const { return ControlHandle(window_, name); }
  void StartService(const std::string& answer);
  void StopService() { service_.reset(); }
  int Requests() const { return service_ ? static_cast<int>(service_->Requests().size()) : 0; }
  std::string LastTarget() const;
  int RowCount() const;
  std::string Cell(int row, int column) const;
  // Puts the focus on a control as a click would.
  void Focus(const char* name);

  ToolkitWindow* window_ = nullptr;
  HWND hwnd_ = nullptr;
  std::unique_ptr<RawHttpServer> service_;
};
