// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace lexidor {

// Whether a publication is law in force, and how much a definition may lean on it.
enum class SourceStatus {
    Own,                  // the glossary's own fixed texts
    InForce,              // a law or regulation in force
    AppliedUntilReplaced, // repealed, but applied until the text that replaces it is approved
    Repealed,             // repealed: cited only for a definition of words, never for a rule
    Reference,            // not a law: a dictionary, a manual, a textbook fact
};

// A publication the definitions are taken from: the short key that the
// entries cite, the full title a reader can look up, and its status.
struct SourceTitle {
    std::u16string_view key;
    std::u16string_view title;
    SourceStatus status;
};

// The key of the texts that are the glossary's own and are kept letter for
// letter; they summarise no publication.
inline constexpr std::u16string_view kOwnTextKey = u"Glosario";

// The key of the facts of elementary physics and radiobiology.
inline constexpr std::u16string_view kPhysicsKey = u"Física básica";

// Every key an entry may cite, in the order docs/glosario.md lists them.
inline constexpr std::array<SourceTitle, 11> kSources{{
    {kOwnTextKey, u"Texto propio del glosario, que se conserva letra por letra; no resume ninguna norma.",
     SourceStatus::Own},
    {u"PLABEN",
     u"Real Decreto 1546/2004, de 25 de junio, por el que se aprueba el Plan Básico de Emergencia "
     u"Nuclear (BOE-A-2004-13061), en su texto consolidado con el Real Decreto 1428/2009, de 11 de "
     u"septiembre (BOE-A-2009-14502). Derogado por el Real Decreto 524/2023, de 20 de junio, por el "
     u"que se aprueba la Norma Básica de Protección Civil (BOE-A-2023-14679), disposición "
     u"derogatoria única, apartado 2 c); según su apartado 3, sigue aplicándose hasta que se "
     u"apruebe el instrumento de planificación que lo sustituya.",
     SourceStatus::AppliedUntilReplaced},
    {u"LEN", u"Ley 25/1964, de 29 de abril, sobre energía nuclear (BOE-A-1964-7544).", SourceStatus::InForce},
    {u"RD 1029/2022",
     u"Real Decreto 1029/2022, de 20 de diciembre, por el que se aprueba el Reglamento sobre "
     u"protección de la salud contra los riesgos derivados de la exposición a las radiaciones "
     u"ionizantes (BOE-A-2022-21682). El Real Decreto 1217/2024 deroga solo sus disposiciones "
     u"adicionales séptima, octava y novena.",
     SourceStatus::InForce},
    {u"RD 1217/2024",
     u"Real Decreto 1217/2024, de 3 de diciembre, por el que se aprueba el Reglamento sobre "
     u"instalaciones nucleares y radiactivas, y otras actividades relacionadas con la exposición a "
     u"las radiaciones ionizantes (BOE-A-2024-25205). Deroga el Real Decreto 1836/1999.",
     SourceStatus::InForce},
    {u"RD 1400/2018",
     u"Real Decreto 1400/2018, de 23 de noviembre, por el que se aprueba el Reglamento sobre "
     u"seguridad nuclear en instalaciones nucleares (BOE-A-2018-16041).",
     SourceStatus::InForce},
    {u"RD 102/2014",
     u"Real Decreto 102/2014, de 21 de febrero, para la gestión responsable y segura del "
     u"combustible nuclear gastado y los residuos radiactivos (BOE-A-2014-2489).",
     SourceStatus::InForce},
    {u"RD 783/2001",
     u"Real Decreto 783/2001, de 6 de julio, por el que se aprueba el Reglamento sobre "
     u"protección sanitaria contra radiaciones ionizantes (BOE-A-2001-14555). Derogado por el "
     u"Real Decreto 1029/2022 (disposición derogatoria única); se cita solo por sus definiciones.",
     SourceStatus::Repealed},
    {u"SNE",
     u"Sociedad Nuclear Española, «Diccionario nuclear», entrada «Escala internacional de sucesos "
     u"nucleares y radiológicos (rev 1)» (sne.es/diccionario-nuclear).",
     SourceStatus::Reference},
    {u"Manual INES",
     u"Organismo Internacional de Energía Atómica (OIEA) y Agencia para la Energía Nuclear de la "
     u"OCDE, «Escala Internacional de Sucesos Nucleares (INES). Manual del usuario», edición de "
     u"2001 (IAEA-INES-2001).",
     SourceStatus::Reference},
    {kPhysicsKey,
     u"Física atómica y nuclear y radiobiología elementales: las de cualquier manual general y las "
     u"recomendaciones de la Comisión Internacional de Protección Radiológica (CIPR, publicación "
     u"103); no proceden de una norma.",
     SourceStatus::Reference},
}};

// When the definitions and their sources were last checked against the texts above.
inline constexpr std::u16string_view kSourcesCheckedOn = u"8 de diciembre de 2026";

// Whether an entry may cite `key`. A plain search, with no pointer compared,
// so that the sanitizer build can evaluate it in a constant expression too.
constexpr bool isSourceKey(std::u16string_view key)
{
    for (const SourceTitle& source : kSources) {
        if (source.key == key)
            return true;
    }
    return false;
}

// The publication cited as `key`, or nullptr when no publication has that key.
constexpr const SourceTitle* findSource(std::u16string_view key)
{
    for (const SourceTitle& source : kSources) {
        if (source.key == key)
            return &source;
    }
    return nullptr;
}

} // namespace lexidor
