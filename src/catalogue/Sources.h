// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
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

// The key of the Council of Ministers' agreement of 7 March 2023 and the
// protection strategy it approves, whose criteria the external plans apply.
inline constexpr std::u16string_view kAgreement2023Key = u"Acuerdo 2023";

// The key of the facts of elementary physics and radiobiology.
inline constexpr std::u16string_view kPhysicsKey = u"Física básica";

// Every key an entry may cite, in the order docs/glosario.md lists them.
inline constexpr std::array<SourceTitle, 12> kSources{{
    {kOwnTextKey, u"Texto propio del glosario, que se conserva letra por letra; no resume ninguna norma.",
     SourceStatus::Own},
    {u"PLABEN",
     u"Real Decreto 1546/2004, de 25 de junio, por el que se aprueba el Plan Básico de Emergencia "
     u"Nuclear (BOE-A-2004-13061), con la corrección de errores del BOE núm. 264, de 2 de noviembre de "
     u"2004, en su texto consolidado con los tres reales decretos que lo modifican: el 1428/2009, de 11 "
     u"de septiembre (BOE-A-2009-14502), que cambia los apartados 1, 1.2 y 1.5 del título III y 7.1 del "
     u"título IV; el 1276/2011, de 16 de septiembre (BOE-A-2011-14812), artículo 4, que completa el "
     u"apartado 4 del título I, y el 734/2019, de 20 de diciembre (BOE-A-2020-46), artículo 3, que "
     u"modifica los apartados 1 y 3 del título I y 4 del título IV. Derogado por el Real Decreto "
     u"524/2023, de 20 de junio, por el que se aprueba la Norma Básica de Protección Civil "
     u"(BOE-A-2023-14679), disposición derogatoria única, apartado 2 c); según su apartado 3, sigue "
     u"aplicándose hasta que se apruebe el instrumento de planificación que lo sustituya. Desde el "
     u"Acuerdo 2023, los planes exteriores aplican los criterios radiológicos del CSN de la Estrategia "
     u"en lugar de los niveles de intervención de su anexo II, y las funciones de su grupo radiológico "
     u"las asume la Dirección Radiológica de la Emergencia del CSN.",
     SourceStatus::AppliedUntilReplaced},
    {kAgreement2023Key,
     u"Acuerdo del Consejo de Ministros de 7 de marzo de 2023, por el que se establecen normas de "
     u"seguridad básicas para la protección contra los peligros derivados de la exposición a "
     u"radiaciones ionizantes en el ámbito de la protección civil, publicado por Resolución de 21 de "
     u"marzo de 2023, de la Subsecretaría del Interior (BOE-A-2023-7558). Aprueba la «Estrategia de "
     u"protección de la población y el personal de intervención en caso de emergencia nuclear o "
     u"radiológica», que se publica a continuación del acuerdo; según el acuerdo segundo, los planes "
     u"exteriores de las centrales nucleares aplican los criterios radiológicos del CSN en los términos "
     u"de la Estrategia. El acuerdo se integra en el Plan Estatal General de Emergencias de Protección "
     u"Civil (PLEGEM).",
     SourceStatus::InForce},
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

// A part of a publication whose criterion a newer text has replaced, and the
// part of the newer text that holds it now. An entry that cites the first must
// cite the second as well, so that no definition teaches the old rule as the
// one in force. Places are written as the entries' locators write them.
struct ReplacedPlace {
    std::u16string_view key;
    std::u16string_view place;
    std::u16string_view successorKey;
    std::u16string_view successorPlace;
};

inline constexpr std::array<ReplacedPlace, 4> kReplacedPlaces{{
    // The intervention levels (anexo II, and Tít. II 1 that refers to it) and
    // the emergency dose levels for intervention staff (Tít. II 2): the
    // Estrategia's reference levels, operational criteria and staff levels.
    {u"PLABEN", u"anexo II", kAgreement2023Key, u"Estrategia"},
    {u"PLABEN", u"Tít. II 1", kAgreement2023Key, u"Estrategia"},
    {u"PLABEN", u"Tít. II 2", kAgreement2023Key, u"Estrategia"},
    // The radiological group's functions: the CSN's Dirección Radiológica de la Emergencia.
    {u"PLABEN", u"Tít. III 1.5.2", kAgreement2023Key, u"acuerdo sexto"},
}};

constexpr bool isAsciiLetterOrDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Whether `locator` names `place` or a part of it: "anexo II 1" and "anexo II,
// nota b)" name "anexo II"; "anexo III" and "anexo IV" do not, nor does "Tít.
// III 1.5.20" name "Tít. III 1.5.2".
constexpr bool namesPlace(std::u16string_view locator, std::u16string_view place)
{
    for (std::size_t at = locator.find(place); at != std::u16string_view::npos;
         at = locator.find(place, at + 1)) {
        const std::size_t end = at + place.size();
        const bool starts = at == 0 || !isAsciiLetterOrDigit(locator[at - 1]);
        const bool ends = end == locator.size() || !isAsciiLetterOrDigit(locator[end]);
        if (starts && ends)
            return true;
    }
    return false;
}

// When the definitions and their sources were last checked against the texts
// above, and the check before it, the edition the «Cambios» list compares with.
inline constexpr std::u16string_view kSourcesCheckedOn = u"9 de diciembre de 2026";
inline constexpr std::u16string_view kPreviousCheckOn = u"8 de diciembre de 2026";

// What changed in the list above since that check, for the «Cambios» list;
// empty when nothing did.
inline constexpr std::u16string_view kSourceListChange =
    u"se añade la clave «Acuerdo 2023», el Acuerdo del Consejo de Ministros de 7 de marzo de 2023 "
    u"(BOE-A-2023-7558) con su Estrategia, y la línea del PLABEN nombra todos los textos que lo "
    u"modificaron (los Reales Decretos 1428/2009, 1276/2011 y 734/2019 y la corrección de errores de "
    u"2004) y lo que el Acuerdo 2023 sustituye de él.";

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
