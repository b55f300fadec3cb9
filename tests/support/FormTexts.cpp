// SPDX-License-Identifier: MIT
// lexidor-form-texts FILE: the window's texts as the form's table and the
// catalogue give them, written to FILE as JSON for the test scripts that
// check what a user reads and a screen reader says (tests/support/
// form_texts.py reads it):
//
//   {"caption": ..., "menu": ..., "controls": {NAME: {"text": ..., "name": ...,
//    "description": ..., "rect": [LEFT, TOP, WIDTH, HEIGHT]}, ...},
//    "rows": [{"term": ..., "definition": ...}, ...]}
//
// "menu" is the menu item as shown, without its access key's mark; "name" is
// what a screen reader calls a control (for one read by its text, the text it
// shows), "description" what it says besides; "rect" its place in pixels at
// 96 dots per inch; "rows" the list's rows in order.

#include "Catalogue.h"
#include "FormDescription.h"
#include "Utf8.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    using namespace lexidor;
    if (argc != 2) {
        std::fputs("usage: lexidor-form-texts FILE\n", stderr);
        return 2;
    }
    const AccessKey menu = kFrmLexidor.menu.accessKey();
    std::u16string shown(menu.before);
    if (menu.key)
        shown += menu.key;
    shown += menu.after;
    std::string out = "{\"caption\":" + jsonString(kFrmLexidor.caption) + ",\"menu\":" + jsonString(shown) +
                      ",\"controls\":{";
    for (const ControlDescription& c : kFrmLexidor.controls) {
        out += (c.id == kFrmLexidor.controls.front().id ? "\"" : ",\"") + std::string(c.name) + "\":{";
        out += "\"text\":" + jsonString(c.text) +
               ",\"name\":" + jsonString(c.readByText ? c.text : c.accessibleName) +
               ",\"description\":" + jsonString(c.accessibleDescription());
        const PixelRect r = c.pixels();
        out += ",\"rect\":[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.width) + "," + std::to_string(r.height) + "]}";
    }
    out += "},\"rows\":[";
    for (const Entry& e : kCatalogue)
        out += std::string(&e == kCatalogue.data() ? "" : ",") + "{\"term\":" + jsonString(e.term) +
               ",\"definition\":" + jsonString(e.definition) + "}";
    out += "]}\n";
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
