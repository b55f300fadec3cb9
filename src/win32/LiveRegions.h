// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string_view>

namespace lexidor {

// How the Windows window reads a text out to screen readers where the user
// is, without moving the focus: live regions, which Narrator and NVDA present
// for Win32 controls. A live region is a control whose UI Automation
// LiveSetting is polite (set through the accessibility property service,
// IAccPropServices::SetHwndProp); each change of it is raised with
// EVENT_OBJECT_LIVEREGIONCHANGED, and the reader reads the control's name.
//
// Two regions: the definition label, whose name is the definition it shows,
// and, for a text the window does not show, a static control with no size
// whose name is set to that text. Both use system DLLs only (oleacc through
// COM, user32).
class LiveRegions {
public:
    LiveRegions() = default;
    LiveRegions(const LiveRegions&) = delete;
    LiveRegions& operator=(const LiveRegions&) = delete;

    // `label` is read by its text. The static for other texts is made as a
    // child of `parent`. Safe to call once per window.
    void create(HWND parent, HWND label, HINSTANCE instance);
    // The properties go with the windows: call before they are destroyed.
    void clear();

    // Reads `text` out once: as the label's change when the label shows it,
    // else through the static.
    void announce(std::u16string_view text);

    HWND announcer() const { return announcer_; }

private:
    HWND label_ = nullptr;
    HWND announcer_ = nullptr;
    bool propertiesSet_ = false;
};

} // namespace lexidor
