// SPDX-License-Identifier: MIT
#include "Process.h"

#include <windows.h>

namespace lexidor::process {

namespace {

// Drive letters compare without regard to case; no locale involved.
wchar_t upperAscii(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
}

} // namespace

std::u16string folderOf(std::u16string_view modulePath)
{
    std::size_t cut = modulePath.find_last_of(u"\\/");
    if (cut == std::u16string_view::npos)
        return {};
    if (cut == 2 && modulePath[1] == u':')
        ++cut;
    return std::u16string(modulePath.substr(0, cut));
}

std::u16string programFolder()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return folderOf(std::u16string(buffer.begin(), buffer.end()));
}

void changeDirectory(std::u16string_view dir)
{
    const std::wstring target(dir.begin(), dir.end());
    wchar_t current[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH + 1, current);
    const bool targetHasDrive = target.size() >= 2 && target[1] == L':';
    const bool currentHasDrive = length >= 2 && current[1] == L':';
    if (targetHasDrive && currentHasDrive && upperAscii(target[0]) != upperAscii(current[0])) {
        const wchar_t variable[] = {L'=', upperAscii(target[0]), L':', L'\0'};
        SetEnvironmentVariableW(variable, target.c_str());
        return;
    }
    SetCurrentDirectoryW(target.c_str());
}

} // namespace lexidor::process
