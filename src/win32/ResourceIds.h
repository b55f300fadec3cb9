// SPDX-License-Identifier: MIT
#pragma once

// Resource numbers shared by resources/lexidor.rc and the Win32 code. The
// file is read by windres as well as by the compiler: macros only.

// The program's icon; the lowest icon number, so it is also the icon the
// system shows for lexidor.exe.
#define IDI_LEXIDOR 1

// The window's background picture, a JPEG kept as raw data.
#define IDR_BACKGROUND 101

// The menu item mnuCerrar.
#define IDM_CERRAR 201
