// SPDX-License-Identifier: MIT
#pragma once

// The shipped program seen from a second Windows process, as the tests that
// drive it from outside need it (DriveHost.cpp, ReaderHookTest.cpp): started
// and ended, its window found by class and process, keys sent through the
// system's own input (SendInput reaches the program's message loop, as a
// user's keyboard does).

#include <oleacc.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lexidor::test {

// A path starting with "/" is taken as a Unix path under Wine (drive Z:).
inline std::wstring windowsPath(const std::wstring& path)
{
    std::wstring p = !path.empty() && path.front() == L'/' ? L"Z:" + path : path;
    for (wchar_t& c : p)
        c = c == L'/' ? L'\\' : c;
    return p;
}

// Starts PROGRAM (with `flags`, e.g. CREATE_SUSPENDED); false when it cannot.
inline bool startProgram(const std::wstring& program, PROCESS_INFORMATION& started, DWORD flags = 0)
{
    std::wstring commandLine = L"\"" + windowsPath(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started = {};
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                          &startup, &started) != 0;
}

// Waits up to ten seconds for the program to end (then ends it); true when
// it ended by itself. Its exit status goes to `status`.
inline bool waitForEnd(PROCESS_INFORMATION& started, DWORD& status)
{
    const bool ended = WaitForSingleObject(started.hProcess, 10000) == WAIT_OBJECT_0;
    status = 0;
    GetExitCodeProcess(started.hProcess, &status);
    if (!ended)
        TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return ended;
}

// The program's main window: its class, owned by PROCESS, shown.
inline HWND programWindow(DWORD process)
{
    for (HWND w = FindWindowExW(nullptr, nullptr, L"LexidorForm", nullptr); w;
         w = FindWindowExW(nullptr, w, L"LexidorForm", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process && IsWindowVisible(w))
            return w;
    }
    return nullptr;
}

// The name of the object an event speaks of, as a screen reader asks for it
// (Active Accessibility); nothing when there is no such object or it gives
// no name.
inline std::optional<std::u16string> eventObjectName(HWND hwnd, LONG object, LONG child)
{
    IAccessible* accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object), static_cast<DWORD>(child),
                                         &accessible, &which)) ||
        !accessible)
        return std::nullopt;
    BSTR name = nullptr;
    std::optional<std::u16string> result;
    if (SUCCEEDED(accessible->get_accName(which, &name)) && name) {
        result.emplace(reinterpret_cast<const char16_t*>(name), SysStringLen(name));
        SysFreeString(name);
    }
    VariantClear(&which);
    accessible->Release();
    return result;
}

inline INPUT keyInput(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

inline void sendInputs(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A key pressed and released.
inline void sendKey(WORD vk)
{
    sendInputs({keyInput(vk, false), keyInput(vk, true)});
}

} // namespace lexidor::test
