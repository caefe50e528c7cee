// The main window's class and its window procedure.
#pragma once

#include "platform/win32.h"

constexpr const char* MainWindowClassName = "TavinelWindowsApp";
constexpr const char* MainWindowTitle = "Grafuri orientate";
// Caption, system menu with the close box and a minimize box; no sizing border, no maximize box.
constexpr DWORD MainWindowStyle = WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int MainWindowWidth = 1000;
constexpr int MainWindowHeight = 660;

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
