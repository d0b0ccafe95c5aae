#pragma once
// The WinINet entry points that FetchUrl calls, reached through one table so
// that a test can count or interpose on them. By default they are WinINet's.

#include <windows.h>
#include <wininet.h>

struct WinInetApi {
  decltype(&::InternetCanonicalizeUrlA) CanonicalizeUrl;
  decltype(&::InternetCrackUrlA) CrackUrl;
  decltype(&::InternetOpenA) Open;
  decltype(&::InternetConnectA) Connect;
  decltype(&::InternetSetOptionA) SetOption;
  decltype(&::HttpOpenRequestA) OpenRequest;
  decltype(&::HttpSendRequestA) SendRequest;
  decltype(&::HttpQueryInfoA) QueryInfo;
  decltype(&::InternetReadFile) ReadFile;
  decltype(&::InternetCloseHandle) CloseHandle;
};

// The table in use; assign to its fields to interpose, RealWinInetApi() to restore.
WinInetApi& ActiveWinInetApi();
WinInetApi RealWinInetApi();
