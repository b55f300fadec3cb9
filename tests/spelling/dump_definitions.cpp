// SPDX-License-Identifier: MIT
// Writes every glossary definition to standard output in UTF-8, one per line
// and in list order, for tools that read text rather than UTF-16 (the
// spelling check feeds this output to hunspell).

#include "Catalogue.h"
#include "Utf8.h"

#include <cstdio>
#include <string>

int main()
{
    for (const lexidor::Entry& entry : lexidor::kCatalogue) {
        std::string line = lexidor::toUtf8(entry.definition);
        line += '\n';
        if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size())
            return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
