// SPDX-License-Identifier: MIT
// What lexidor.html holds before and without its program, written at build
// time (run by node, make-page.py reads it): the window as the program
// builds it, made by the program's own WebWindow::build() and start() on a
// DOM recorded here, so that the browser paints it at once and the program
// then takes it over; and the whole glossary from the catalogue,
// which a reader sees where scripts do not run and a printer prints.
//
// Output, each part after a line "--- NAME": title (the page's title), style
// (CSS rules for what build() sets through the CSS object model), window
// (the window's HTML), glossary (the glossary's HTML).

#include "Catalogue.h"
#include "Dom.h"
#include "EntrySources.h"
#include "Sources.h"
#include "Utf16.h"
#include "WebWindow.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace lexidor;

// Text and attribute values as HTML: the characters that would end them.
std::string html(std::u16string_view text)
{
    std::string out;
    for (const char c : toUtf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The elements build() made, by handle; 0 is the document.
struct Element {
    std::string tag;
    std::vector<std::pair<std::string, std::u16string>> attributes;
    std::vector<std::pair<std::string, std::string>> styles;
    std::u16string text;
    std::vector<int> children;
};

std::vector<Element> elements(1);
std::u16string title;

std::u16string idOf(const Element& e)
{
    for (const auto& [name, value] : e.attributes) {
        if (name == "id")
            return value;
    }
    return {};
}

void writeElement(std::string& out, int handle)
{
    const Element& e = elements[static_cast<std::size_t>(handle)];
    out += "<" + e.tag;
    for (const auto& [name, value] : e.attributes)
        out += " " + name + "=\"" + html(value) + "\"";
    out += ">" + html(e.text);
    for (const int child : e.children)
        writeElement(out, child);
    if (e.tag != "input")
        out += "</" + e.tag + ">";
}

void writeStyle(std::string& out, const std::string& selector, const Element& e)
{
    if (e.styles.empty())
        return;
    out += selector + " {";
    for (const auto& [property, value] : e.styles)
        out += " " + property + ": " + value + ";";
    out += " }\n";
}

// The keys a term cites, each once, in the order it cites them.
std::string sourceKeys(const EntrySources& sources)
{
    std::vector<std::u16string_view> keys;
    for (const Citation& citation : citationsOf(sources)) {
        bool seen = false;
        for (const auto key : keys)
            seen = seen || key == citation.key;
        if (!seen)
            keys.push_back(citation.key);
    }
    std::string out;
    for (const auto key : keys)
        out += (out.empty() ? "" : ", ") + html(key);
    return out;
}

std::string glossary()
{
    std::string out =
        "<article id=\"glosario\" class=\"glossary\">\n<h1>Glosario de emergencia nuclear</h1>\n"
        "<p>Los " +
        std::to_string(kRowCount) +
        " términos de Lexidor en el orden de su lista, cada uno con la definición que "
        "muestra el programa y las fuentes con las que se ha contrastado. Contenido revisado "
        "por última vez: " +
        html(kSourcesCheckedOn) + ".</p>\n<dl>\n";
    for (std::size_t row = 0; row < kCatalogue.size(); ++row) {
        out += "<div class=\"entry\"><dt>" + html(kCatalogue[row].term) + "</dt><dd>" +
               html(kCatalogue[row].definition) +
               "</dd><dd class=\"cited\">Fuentes: " + sourceKeys(kEntrySources[row]) + ".</dd></div>\n";
    }
    out += "</dl>\n<h2>Fuentes</h2>\n<dl class=\"sources\">\n";
    for (const SourceTitle& source : kSources)
        out += "<dt>" + html(source.key) + "</dt><dd>" + html(source.title) + "</dd>\n";
    return out + "</dl>\n</article>";
}

} // namespace

// The page's DOM as WebWindow uses it, recorded.
extern "C" {

int lexidor_dom_create(const char* tag, int parent)
{
    elements.push_back(Element{tag, {}, {}, {}, {}});
    const int handle = static_cast<int>(elements.size() - 1);
    elements[static_cast<std::size_t>(parent)].children.push_back(handle);
    return handle;
}

void lexidor_dom_adopt(int) {}
void lexidor_dom_tag(int, int, int) {}

void lexidor_dom_attr(int element, const char* name, const char16_t* value, int length)
{
    auto& attributes = elements[static_cast<std::size_t>(element)].attributes;
    std::erase_if(attributes, [&](const auto& a) { return a.first == name; });
    if (value)
        attributes.emplace_back(name, std::u16string(value, static_cast<std::size_t>(length)));
}

void lexidor_dom_style(int element, const char* property, const char* value)
{
    elements[static_cast<std::size_t>(element)].styles.emplace_back(property, value);
}

void lexidor_dom_text(int element, const char16_t* text, int length)
{
    (element == dom::kDocument ? title : elements[static_cast<std::size_t>(element)].text)
        .assign(text, static_cast<std::size_t>(length));
}

void lexidor_dom_set_value(int, const char16_t*, int) {}
int lexidor_dom_value(int)
{
    return 0;
}
int lexidor_dom_location()
{
    return 0;
}
int lexidor_dom_by_id(const char*)
{
    return 0;
}
// The control the program focuses as it starts has the focus from the
// moment the page loads: a screen reader, which reads a page from where
// its focus is, starts there, in the box it can type into at once.
void lexidor_dom_focus(int element, int)
{
    lexidor_dom_attr(element, "autofocus", u"", 0);
}
void lexidor_dom_scroll_top(int, int) {}
void lexidor_dom_remove(int) {}
void lexidor_dom_close_window() {}
void lexidor_dom_listen(int) {}

} // extern "C"

int main()
{
    // The window as it stands once the program has started.
    WebWindow window;
    window.start();
    std::string style;
    writeStyle(style, ":root", elements[0]);
    for (std::size_t i = 1; i < elements.size(); ++i) {
        if (const std::u16string id = idOf(elements[i]); !id.empty())
            writeStyle(style, "#" + toUtf8(id), elements[i]);
    }
    std::string page;
    for (const int child : elements[0].children)
        writeElement(page, child);
    const std::string parts = "--- title\n" + html(title) + "\n--- style\n" + style + "--- window\n" + page +
                              "\n--- glossary\n" + glossary() + "\n";
    return std::fwrite(parts.data(), 1, parts.size(), stdout) == parts.size() ? 0 : 1;
}
