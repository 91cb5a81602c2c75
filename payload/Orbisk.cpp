// Orbisk.exe as the payload carries it: a small application window titled
// "TalvoMirelle" that shows the folder it runs from and what it was started with (a
// link, or a file or address handed over by the URL protocol or a file association).
#include <windows.h>

#include <string>

namespace {

std::wstring description;

std::wstring programFolder() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring full(path, n);
  return full.substr(0, full.find_last_of(L'\\') + 1);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      InflateRect(&area, -16, -16);
      DrawTextW(dc, description.c_str(), -1, &area, DT_LEFT | DT_WORDBREAK);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
  description = L"TalvoMirelle\r\n\r\nRunning from: " + programFolder() + L"\r\nStarted with: " +
                (arguments && *arguments ? std::wstring(arguments) : std::wstring(L"(nothing)"));
  WNDCLASSW cls{};
  cls.lpfnWndProc = windowProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = L"OrbiskMainWindow";
  if (!RegisterClassW(&cls)) return 1;
  HWND window = CreateWindowW(cls.lpszClassName, L"TalvoMirelle", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 640, 400, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
