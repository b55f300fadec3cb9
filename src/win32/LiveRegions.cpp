// SPDX-License-Identifier: MIT
#include "LiveRegions.h"

#include <oleacc.h>

#include <algorithm>
#include <string>

namespace lexidor {

namespace {

// UI Automation's LiveSetting property and its value Polite (the reader
// waits until it has finished what it is saying), as UIAutomationCore.h
// defines them; not every mingw-w64 has them.
constexpr MSAAPROPID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
// The live region's change, EVENT_OBJECT_LIVEREGIONCHANGED; the headers
// declare it for Windows 8 and later only, and Windows 7 ignores it.
constexpr DWORD kLiveRegionChanged = 0x8019;

IAccPropServices* propertyService()
{
    IAccPropServices* service = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&service))))
        return nullptr;
    return service;
}

bool sameText(HWND window, std::u16string_view text)
{
    std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    shown.resize(
        static_cast<std::size_t>(GetWindowTextW(window, shown.data(), static_cast<int>(shown.size()))));
    return shown.size() == text.size() &&
           std::equal(text.begin(), text.end(), shown.begin(),
                      [](char16_t a, wchar_t b) { return static_cast<wchar_t>(a) == b; });
}

} // namespace

void LiveRegions::create(HWND parent, HWND label, HINSTANCE instance)
{
    label_ = label;
    // Visible, so that it is in the accessibility tree, and of no size, so
    // that it shows nothing and takes no click.
    announcer_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                 parent, nullptr, instance, nullptr);
    IAccPropServices* service = propertyService();
    if (!service)
        return;
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    for (HWND region : {label_, announcer_}) {
        if (region)
            propertiesSet_ = SUCCEEDED(service->SetHwndProp(region, static_cast<DWORD>(OBJID_CLIENT),
                                                            CHILDID_SELF, kLiveSettingProperty, polite)) ||
                             propertiesSet_;
    }
    service->Release();
}

void LiveRegions::clear()
{
    if (!propertiesSet_)
        return;
    propertiesSet_ = false;
    IAccPropServices* service = propertyService();
    if (!service)
        return;
    for (HWND region : {label_, announcer_}) {
        if (region)
            service->ClearHwndProps(region, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    &kLiveSettingProperty, 1);
    }
    service->Release();
}

void LiveRegions::announce(std::u16string_view text)
{
    HWND region = label_;
    if (!label_ || !sameText(label_, text)) {
        region = announcer_;
        if (!region)
            return;
        const std::wstring value(text.begin(), text.end());
        SetWindowTextW(region, value.c_str());
    }
    NotifyWinEvent(kLiveRegionChanged, region, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace lexidor
