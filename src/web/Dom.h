// SPDX-License-Identifier: MIT
#pragma once

// The page as C++ sees it: elements by handle, and the few writes the
// adaptor needs, each one call into lexidor-dom.js. Names and CSS values
// are ASCII (UTF-8); texts are UTF-16, as the browser holds them.

#include <string>
#include <string_view>

extern "C" {
int lexidor_dom_create(const char* tag, int parent);
void lexidor_dom_adopt(int element);
void lexidor_dom_tag(int element, int control, int row);
void lexidor_dom_attr(int element, const char* name, const char16_t* value, int length);
void lexidor_dom_style(int element, const char* property, const char* value);
void lexidor_dom_text(int element, const char16_t* text, int length);
void lexidor_dom_set_value(int element, const char16_t* text, int length);
int lexidor_dom_value(int element);
int lexidor_dom_location();
int lexidor_dom_by_id(const char* id);
void lexidor_dom_focus(int element, int selectText);
void lexidor_dom_scroll_top(int element, int pixels);
void lexidor_dom_remove(int element);
void lexidor_dom_close_window();
void lexidor_dom_listen(int list);
}

namespace lexidor::dom {

// The one buffer where the browser writes a string for C++ (lexidor-dom.js).
inline std::u16string& scratchBuffer()
{
    static std::u16string buffer;
    return buffer;
}
// The buffer made at least `units` long. Valid until the next call.
inline char16_t* scratch(int units)
{
    scratchBuffer().resize(static_cast<std::size_t>(units > 0 ? units : 0));
    return scratchBuffer().data();
}
// The first `units` of the scratch buffer, as a string.
inline std::u16string scratchText(int units)
{
    return scratchBuffer().substr(0, static_cast<std::size_t>(units > 0 ? units : 0));
}

// An ASCII name (an element's id, an attribute's) as a text.
inline std::u16string u16(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

// The page (0 stands for the document: its body, its root's style, its title).
inline constexpr int kDocument = 0;

inline int create(const char* tag, int parent = kDocument)
{
    return lexidor_dom_create(tag, parent);
}
// From now on, create() takes over `element` (a child of the body) and the
// elements inside it, each where it stands, wherever an element of the same
// tag stands next under the same parent, instead of making a new one; 0
// ends this. The window painted before the program ran becomes its own
// without being replaced: no frame without it, and the focus, with what a
// screen reader has read, stays where it was.
inline void adopt(int element)
{
    lexidor_dom_adopt(element);
}
// The element the page holds with that id, or 0.
inline int byId(std::string_view id)
{
    return lexidor_dom_by_id(std::string(id).c_str());
}
// Marks an element as control `control` (and list row `row`, or -1), which
// the browser's events name as their target.
inline void tag(int element, int control, int row)
{
    lexidor_dom_tag(element, control, row);
}
inline void attr(int element, const char* name, std::u16string_view value)
{
    lexidor_dom_attr(element, name, value.data() ? value.data() : u"", static_cast<int>(value.size()));
}
inline void removeAttr(int element, const char* name)
{
    lexidor_dom_attr(element, name, nullptr, 0);
}
inline void style(int element, const char* property, const std::string& value)
{
    lexidor_dom_style(element, property, value.c_str());
}
inline void text(int element, std::u16string_view text)
{
    lexidor_dom_text(element, text.data(), static_cast<int>(text.size()));
}
inline void setValue(int element, std::u16string_view text)
{
    lexidor_dom_set_value(element, text.data(), static_cast<int>(text.size()));
}
inline std::u16string value(int element)
{
    return scratchText(lexidor_dom_value(element));
}

} // namespace lexidor::dom
