// SPDX-License-Identifier: MIT
// Writes docs/glosario.md, the printable glossary, from the catalogue: a short
// preface with the date of the last check, the changes since the previous
// edition and the sources; then every term in list order with its definition
// and where it comes from; and an appendix with the words of each source that
// back each definition.
//
//   lexidor-glossary                 the document on standard output
//   lexidor-glossary --write FILE    the document into FILE
//   lexidor-glossary --check FILE    exit 1 when FILE differs from the document

#include "Catalogue.h"
#include "EntrySources.h"
#include "Sources.h"
#include "Utf8.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace lexidor;

// How the source list marks a publication that is no longer in force.
std::string_view statusNote(SourceStatus status)
{
    switch (status) {
    case SourceStatus::AppliedUntilReplaced:
        return " (derogado; se sigue aplicando)";
    case SourceStatus::Repealed:
        return " (derogado)";
    case SourceStatus::Own:
    case SourceStatus::InForce:
    case SourceStatus::Reference:
        break;
    }
    return "";
}

// "PLABEN, anexo I; SNE, entrada ..." for a term's source line.
std::string citedPlaces(const EntrySources& sources)
{
    std::string line;
    for (const Citation& citation : citationsOf(sources)) {
        if (!line.empty())
            line += "; ";
        line += toUtf8(citation.key) + ", " + toUtf8(citation.locator);
    }
    return line;
}

bool sameChange(const Change& a, const Change& b)
{
    return a.kind == b.kind && a.what == b.what && a.basis == b.basis;
}

// One line per change, the terms that share the very same change on one line.
void writeChanges(std::ostringstream& md, ChangeKind kind)
{
    for (std::size_t row = 0; row < kCatalogue.size(); ++row) {
        const Change& change = kEntrySources[row].change;
        if (change.kind != kind)
            continue;
        bool seen = false;
        for (std::size_t before = 0; before < row && !seen; ++before)
            seen = sameChange(kEntrySources[before].change, change);
        if (seen)
            continue;
        std::vector<std::size_t> rows;
        for (std::size_t other = row; other < kCatalogue.size(); ++other) {
            if (sameChange(kEntrySources[other].change, change))
                rows.push_back(other);
        }
        md << "- ";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i > 0)
                md << (i + 1 == rows.size() ? " y " : ", ");
            md << "**" << toUtf8(kCatalogue[rows[i]].term) << "**";
        }
        md << ": " << toUtf8(change.what) << " *Fuente: " << toUtf8(change.basis) << ".*\n";
    }
}

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
          "nuclear: se puede imprimir o entregar a los asistentes. Cada definición indica las fuentes "
          "con las que se ha contrastado, y el apéndice copia las palabras de cada fuente que la "
          "respaldan, para que un revisor pueda comprobarla línea a línea.\n"
          "\n"
          "Contenido revisado por última vez: "
       << toUtf8(kSourcesCheckedOn)
       << ".\n"
          "\n"
          "## Cambios\n"
          "\n"
          "Respecto a la edición anterior, revisada el "
       << toUtf8(kPreviousCheckOn)
       << ", cambian estas definiciones (qué cambia y en qué fuente se apoya):\n"
          "\n";
    writeChanges(md, ChangeKind::Definition);
    md << "\n"
          "En estos términos la definición es la misma y solo cambia la fuente citada:\n"
          "\n";
    writeChanges(md, ChangeKind::SourceOnly);
    if (!kSourceListChange.empty())
        md << "\nEn la lista de fuentes: " << toUtf8(kSourceListChange) << "\n";
    md << "\n"
          "## Fuentes\n"
          "\n"
          "Cada término cita una o varias de estas claves, seguida del lugar concreto (título, "
          "artículo, anexo o apartado). Un texto derogado se cita solo por sus definiciones, nunca "
          "como norma en vigor.\n"
          "\n";
    for (const SourceTitle& source : kSources)
        md << "- **" << toUtf8(source.key) << "**" << statusNote(source.status) << ": "
           << toUtf8(source.title) << "\n";
    md << "\n## Términos\n";
    for (std::size_t row = 0; row < kCatalogue.size(); ++row) {
        const Entry& entry = kCatalogue[row];
        md << "\n### " << toUtf8(entry.term) << "\n\n"
           << toUtf8(entry.definition) << "\n\n"
           << "*Fuente: " << citedPlaces(kEntrySources[row]) << ".*\n";
    }
    md << "\n"
          "## Apéndice: lo que dicen las fuentes\n"
          "\n"
          "Para cada término, las palabras de cada fuente que respaldan su definición (entre "
          "comillas, las citas literales; «[...]» marca lo omitido).\n";
    for (std::size_t row = 0; row < kCatalogue.size(); ++row) {
        md << "\n### " << toUtf8(kCatalogue[row].term) << "\n\n";
        for (const Citation& citation : citationsOf(kEntrySources[row]))
            md << "- " << toUtf8(citation.key) << ", " << toUtf8(citation.locator) << ": "
               << toUtf8(citation.words) << "\n";
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
