// SPDX-License-Identifier: MIT
// Lexidor on Win32: one window, no arguments.

#include "Win32Window.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // Common controls 6 (the manifest asks for them) and COM for the
    // picture decoder.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    int exitCode = 0;
    {
        lexidor::Win32Window window(instance, [] { PostQuitMessage(0); });
        if (!window.handle())
            return 1;
        window.showCentred(showCommand);

        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        exitCode = static_cast<int>(msg.wParam);
    }

    if (SUCCEEDED(com))
        CoUninitialize();
    return exitCode;
}
