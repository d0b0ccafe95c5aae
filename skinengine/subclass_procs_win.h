#pragma once
// The subclass procedure of each kind of window the engine draws. The
// reference data of each is the window's SkinnedWindow record.

#include <windows.h>

LRESULT CALLBACK TopLevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR ref);
LRESULT CALLBACK PushButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR ref);
LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                          DWORD_PTR ref);
LRESULT CALLBACK ListViewProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR ref);
