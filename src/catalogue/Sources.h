// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace lexidor {

// A publication the definitions are taken from: the short key that the
// entries cite and the full title a reader can look up.
struct SourceTitle {
    std::u16string_view key;
    std::u16string_view title;
};

// The key of the texts that are the glossary's own and are kept letter for
// letter; they summarise no publication.
inline constexpr std::u16string_view kOwnTextKey = u"Glosario";

// Every key an entry may cite, in the order docs/glosario.md lists them.
inline constexpr std::array<SourceTitle, 8> kSources{{
    {kOwnTextKey, u"Texto propio del glosario, que se conserva letra por letra; no resume ninguna norma."},
    {u"PLABEN",
     u"Real Decreto 1546/2004, de 25 de junio, por el que se aprueba el Plan Básico de Emergencia "
     u"Nuclear (BOE-A-2004-13061), en su texto consolidado con el Real Decreto 1428/2009, de 11 de "
     u"septiembre (BOE-A-2009-14502). Lo deroga el Real Decreto 524/2023, de 20 de junio, por el "
     u"que se aprueba la Norma Básica de Protección Civil (BOE-A-2023-14679), pero sigue "
     u"aplicándose hasta que lo sustituya un nuevo plan (disposición derogatoria única, "
     u"apartado 3)."},
    {u"LEN", u"Ley 25/1964, de 29 de abril, sobre energía nuclear (BOE-A-1964-7544)."},
    {u"RD 1029/2022",
     u"Real Decreto 1029/2022, de 20 de diciembre, por el que se aprueba el Reglamento sobre "
     u"protección de la salud contra los riesgos derivados de la exposición a las radiaciones "
     u"ionizantes (BOE-A-2022-21682)."},
    {u"RD 783/2001",
     u"Real Decreto 783/2001, de 6 de julio, por el que se aprueba el Reglamento sobre "
     u"protección sanitaria contra radiaciones ionizantes (BOE-A-2001-14555). Derogado por el "
     u"Real Decreto 1029/2022; se cita solo por sus definiciones."},
    {u"RD 1217/2024", u"Real Decreto 1217/2024, de 3 de diciembre, por el que se aprueba el Reglamento sobre "
                      u"instalaciones nucleares y radiactivas, y otras actividades relacionadas con la "
                      u"exposición a las radiaciones ionizantes (BOE-A-2024-25205)."},
    {u"SNE", u"Sociedad Nuclear Española, «Diccionario nuclear», entrada «INES rev. 1» "
             u"(sne.es/diccionario-nuclear/ines-rev-1)."},
    {u"Física básica", u"Física atómica y nuclear elemental, la de cualquier manual general de física; no "
                       u"procede de una norma."},
}};

// When the definitions and their sources were last checked against the texts above.
inline constexpr std::u16string_view kSourcesCheckedOn = u"diciembre de 2026";

// Whether an entry may cite `key`.
constexpr bool isSourceKey(std::u16string_view key)
{
    for (const SourceTitle& source : kSources) {
        if (source.key == key)
            return true;
    }
    return false;
}

} // namespace lexidor
