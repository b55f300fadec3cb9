// SPDX-License-Identifier: MIT
// Writes docs/glosario.md, the printable glossary, from the catalogue: a short
// preface with the sources and the date of the last check, then every term in
// list order with its definition and its source.
//
//   lexidor-glossary                 the document on standard output
//   lexidor-glossary --write FILE    the document into FILE
//   lexidor-glossary --check FILE    exit 1 when FILE differs from the document

#include "Catalogue.h"
#include "Sources.h"
#include "Utf8.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace lexidor;

std::string document()
{
    std::ostringstream md;
    md << "# Glosario de emergencia nuclear\n"
          "\n"
          "<!-- Generado por tools/glossary a partir del catálogo del programa (src/catalogue). "
          "No se edita a mano: `make glossary` lo vuelve a escribir. -->\n"
          "\n"
          "Este glosario reúne los "
       << kRowCount
       << " términos de Lexidor, en el orden de su lista y con la misma definición que muestra el "
          "programa. Sirve para preparar la formación de quienes intervienen en una emergencia "
          "nuclear: se puede imprimir o entregar a los asistentes. Cada definición indica la fuente "
          "con la que se ha contrastado, para que un revisor pueda comprobarla línea a línea.\n"
          "\n"
          "Contenido revisado por última vez: "
       << toUtf8(kSourcesCheckedOn)
       << ".\n"
          "\n"
          "## Fuentes\n"
          "\n"
          "Cada término cita una de estas claves, seguida del lugar concreto (título, artículo, anexo "
          "o apartado).\n"
          "\n";
    for (const SourceTitle& source : kSources)
        md << "- **" << toUtf8(source.key) << "**: " << toUtf8(source.title) << "\n";
    md << "\n## Términos\n";
    for (const Entry& entry : kCatalogue) {
        md << "\n### " << toUtf8(entry.term) << "\n\n"
           << toUtf8(entry.definition) << "\n\n"
           << "*Fuente: " << toUtf8(entry.source.key) << ", " << toUtf8(entry.source.locator) << ".*\n";
    }
    return md.str();
}

bool readFile(const char* path, std::string& contents)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Line by line, so that the first difference can be shown.
int check(const char* path, const std::string& expected)
{
    std::string committed;
    if (!readFile(path, committed)) {
        std::cerr << "lexidor-glossary: cannot read " << path << "\n";
        return 2;
    }
    if (committed == expected) {
        std::cout << path << " matches the catalogue\n";
        return 0;
    }
    std::istringstream a(committed), b(expected);
    std::string lineA, lineB;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB)
            break;
        if (moreA != moreB || lineA != lineB) {
            std::cerr << path << " differs from the catalogue at line " << line << ":\n"
                      << "  file:      " << (moreA ? lineA : "(end of file)") << "\n"
                      << "  catalogue: " << (moreB ? lineB : "(end of document)") << "\n";
            break;
        }
    }
    std::cerr << "Run `make glossary` and commit docs/glosario.md.\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string text = document();
    if (argc == 1) {
        std::cout << text;
        return std::cout.good() ? 0 : 1;
    }
    const std::string_view option = argv[1];
    if (argc == 3 && option == "--check")
        return check(argv[2], text);
    if (argc == 3 && option == "--write") {
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::cerr << "lexidor-glossary: cannot write " << argv[2] << "\n";
            return 2;
        }
        return 0;
    }
    std::cerr << "usage: lexidor-glossary [--write FILE | --check FILE]\n";
    return 2;
}
