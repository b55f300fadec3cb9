// SPDX-License-Identifier: MIT
// Checks on the glossary texts that a reviewer would otherwise do by eye:
// every entry cites known sources, each with the place and the words there
// that back it; numbers carry a decimal comma; unit symbols are spelt as the
// SI writes them and stand one space after their number; no written
// definition repeats its own term; none names a repealed regulation or leans
// on one alone, and none gives the public's dose limit without saying where
// it holds; quoted words stand as the official text writes them. Each rule is
// first run on a table of samples, so that a rule that stops finding its fault
// fails too. The rule on replaced criteria (kReplacedPlaces) stops the build
// when an entry breaks it; here it is only run on its samples.

#include "Catalogue.h"
#include "EntrySources.h"
#include "Sources.h"
#include "TermCompare.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexidor {
namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Letters as the texts use them: ASCII, the Latin-1 letters and the micro sign.
bool isLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'µ' ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}

// "3.7" or "37.000": a point between two digits. Spanish writes "3,7" and "37 000".
std::vector<std::u16string> decimalPoints(std::u16string_view text)
{
    std::vector<std::u16string> found;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == u'.' && isDigit(text[i - 1]) && isDigit(text[i + 1]))
            found.emplace_back(text.substr(i - 1, 3));
    }
    return found;
}

// The unit symbols the glossary may write after a number, in their only
// correct letter case.
constexpr std::u16string_view kUnitSymbols[] = {
    u"Bq",  u"kBq", u"MBq", u"GBq", u"TBq", u"Ci",  u"mCi", u"µCi", u"nCi", u"Gy",  u"mGy", u"µGy", u"Sv",
    u"mSv", u"µSv", u"nSv", u"m",   u"km",  u"cm",  u"mm",  u"nm",  u"g",   u"kg",  u"mg",  u"s",   u"ms",
    u"h",   u"min", u"Hz",  u"eV",  u"keV", u"MeV", u"J",   u"kJ",  u"rad", u"rem", u"mrem"};

bool isKnownUnit(std::u16string_view word)
{
    return std::find(std::begin(kUnitSymbols), std::end(kUnitSymbols), word) != std::end(kUnitSymbols);
}

// Whether a word has the shape of a unit symbol in any letter case: an
// optional SI prefix, a unit, an optional plural s ("msv", "Km", "kms", "GY").
// Spanish words that follow numbers ("a", "de", "años", "millones") do not.
bool looksLikeUnit(std::u16string_view word)
{
    std::u16string lower;
    for (char16_t c : word)
        lower += (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
    constexpr std::u16string_view prefixes[] = {u"", u"k", u"m", u"µ", u"n", u"c", u"g", u"t", u"p"};
    constexpr std::u16string_view units[] = {u"bq", u"ci", u"gy", u"sv", u"m",   u"g",   u"s",
                                             u"h",  u"hz", u"ev", u"j",  u"rad", u"rem", u"min"};
    for (std::u16string_view prefix : prefixes) {
        for (std::u16string_view unit : units) {
            const std::u16string shape = std::u16string(prefix) + std::u16string(unit);
            if (lower == shape || lower == shape + u"s")
                return true;
        }
    }
    return false;
}

// Units written wrongly after a number: glued to it ("10mSv") or not one of
// the known symbols ("10 msv", "30 kms").
std::vector<std::u16string> unitFaults(std::u16string_view text)
{
    std::vector<std::u16string> found;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && (isDigit(text[i]) || (text[i] == u',' && i + 1 < text.size() &&
                                                        isDigit(text[i + 1]) && isDigit(text[i - 1]))))
            ++i;
        const bool spaced = i < text.size() && text[i] == u' ';
        std::size_t end = spaced ? i + 1 : i;
        const std::size_t wordStart = end;
        while (end < text.size() && isLetter(text[end]))
            ++end;
        const std::u16string_view word = text.substr(wordStart, end - wordStart);
        if (!word.empty() && looksLikeUnit(word) && (!spaced || !isKnownUnit(word)))
            found.emplace_back(text.substr(start, end - start));
    }
    return found;
}

// How often `term` stands as a whole phrase in `text`, in any letter case.
int timesNamed(std::u16string_view text, std::u16string_view term)
{
    int count = 0;
    for (std::size_t i = 0; i + term.size() <= text.size(); ++i) {
        const bool startsWord = i == 0 || !isLetter(text[i - 1]);
        const bool endsWord = i + term.size() == text.size() || !isLetter(text[i + term.size()]);
        if (startsWord && endsWord && termsEqual(text.substr(i, term.size()), term))
            ++count;
    }
    return count;
}

// The explanation after "TERM: ".
std::u16string_view bodyOf(const Entry& entry)
{
    return entry.definition.substr(std::min(entry.definition.size(), entry.term.size() + 2));
}

bool contains(std::u16string_view text, std::u16string_view part)
{
    return text.find(part) != std::u16string_view::npos;
}

// Regulations repealed outright whose rules are not the ones in force: the
// repealed keys of the source list, and two that no entry cites.
std::vector<std::u16string_view> repealedRegulations()
{
    std::vector<std::u16string_view> numbers = {u"1836/1999", u"53/1992"};
    for (const SourceTitle& source : kSources) {
        if (source.status == SourceStatus::Repealed)
            numbers.push_back(source.key.substr(source.key.rfind(u' ') + 1));
    }
    return numbers;
}

// The repealed regulations a text names by number ("RD 783/2001").
std::vector<std::u16string_view> repealedNamed(std::u16string_view text)
{
    std::vector<std::u16string_view> found;
    for (std::u16string_view number : repealedRegulations()) {
        if (contains(text, number))
            found.push_back(number);
    }
    return found;
}

// Whether a text gives the effective dose limit for the public: "1 mSv" or
// "1 milisievert" (not "0,1 mSv" or "21 mSv") in a text about the public.
bool givesPublicDoseLimit(std::u16string_view text)
{
    if (!contains(text, u"público"))
        return false;
    for (std::u16string_view limit : {std::u16string_view(u"1 mSv"), std::u16string_view(u"1 milisievert")}) {
        for (std::size_t at = text.find(limit); at != std::u16string_view::npos;
             at = text.find(limit, at + 1)) {
            if (at == 0 || (!isDigit(text[at - 1]) && text[at - 1] != u','))
                return true;
        }
    }
    return false;
}

// The public's limit holds in planned exposure situations only; a text that
// gives it must say so, and that it does not hold in an emergency.
bool givesPublicLimitWithoutItsScope(std::u16string_view text)
{
    return givesPublicDoseLimit(text) && !(contains(text, u"planificad") && contains(text, u"emergencia"));
}

// Whether a locator names a place in a law: an article, an annex, a title, a
// provision or a numbered section ("art. 4.2", "anexo I", "Tít. III 3.1",
// "disposición ...", "acuerdo sexto, apartado 1").
bool namesAPlaceInALaw(std::u16string_view locator)
{
    for (std::u16string_view place :
         {u"art. ", u"arts. ", u"anexo ", u"Tít. ", u"disposición ", u"apartado "}) {
        if (locator.starts_with(place) || contains(locator, std::u16string(u" ") + std::u16string(place)))
            return true;
    }
    return false;
}

// Square brackets in quoted words other than «[...]», the mark of an omission:
// a symbol spelt out ("[tau]") where the official text has the symbol itself.
std::vector<std::u16string> bracketedOtherThanOmission(std::u16string_view words)
{
    std::vector<std::u16string> found;
    for (std::size_t open = words.find(u'['); open != std::u16string_view::npos;
         open = words.find(u'[', open + 1)) {
        const std::size_t close = words.find(u']', open);
        const std::u16string_view bracketed =
            words.substr(open, close == std::u16string_view::npos ? 1 : close - open + 1);
        if (bracketed != u"[...]")
            found.emplace_back(bracketed);
    }
    return found;
}

bool isLaw(SourceStatus status)
{
    return status == SourceStatus::InForce || status == SourceStatus::AppliedUntilReplaced ||
           status == SourceStatus::Repealed;
}

const EntrySources& sourcesOf(int row)
{
    return kEntrySources[static_cast<std::size_t>(row)];
}

bool isOwnText(int row)
{
    const std::span<const Citation> cited = citationsOf(sourcesOf(row));
    return std::any_of(cited.begin(), cited.end(), [](const Citation& c) { return c.key == kOwnTextKey; });
}

// ---------------------------------------------------------------------------
// The rules on sample texts.

enum class Rule {
    DecimalPoint,
    Unit,
    TermTwice,
    RepealedNamed,
    PublicLimitScope,
    LawLocator,
    QuotedAsWritten,
    ReplacedCriterion
};

struct Sample {
    const char* name;
    Rule rule;
    std::u16string_view text = {};
    bool faulty;
    std::u16string_view term = {};
    std::array<Citation, 2> cited = {};
};

bool breaksRule(const Sample& s)
{
    switch (s.rule) {
    case Rule::DecimalPoint:
        return !decimalPoints(s.text).empty();
    case Rule::Unit:
        return !unitFaults(s.text).empty();
    case Rule::TermTwice:
        return timesNamed(s.text, s.term) > 1;
    case Rule::RepealedNamed:
        return !repealedNamed(s.text).empty();
    case Rule::PublicLimitScope:
        return givesPublicLimitWithoutItsScope(s.text);
    case Rule::LawLocator:
        return !namesAPlaceInALaw(s.text);
    case Rule::QuotedAsWritten:
        return !bracketedOtherThanOmission(s.text).empty();
    case Rule::ReplacedCriterion:
        return citesAReplacedPlaceAlone(s.cited);
    }
    return false;
}

class RuleOnSample : public testing::TestWithParam<Sample> {};

TEST_P(RuleOnSample, FindsTheFaultAndOnlyIt)
{
    const Sample& s = GetParam();
    EXPECT_EQ(breaksRule(s), s.faulty) << toUtf8(s.text);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, RuleOnSample,
    testing::Values(
        Sample{"DecimalPointBetweenDigits", Rule::DecimalPoint, u"vale 3.7 GBq", true},
        Sample{"ThousandsPoint", Rule::DecimalPoint, u"unos 37.000 millones", true},
        Sample{"DecimalComma", Rule::DecimalPoint, u"vale 3,7 GBq", false},
        Sample{"FullStopAfterANumber", Rule::DecimalPoint, u"el yodo-131. Luego, el 2.", false},
        Sample{"KnownSymbols", Rule::Unit, u"10 mSv, 100 mGy, 2 µSv, 3,7 GBq, 1 Gy y 30 km", false},
        Sample{"SievertInSmallLetters", Rule::Unit, u"hasta 10 msv", true},
        Sample{"KiloInCapitals", Rule::Unit, u"a 5 Km de la central", true},
        Sample{"GrayInCapitals", Rule::Unit, u"1 GY en médula", true},
        Sample{"PluralSymbol", Rule::Unit, u"a 30 kms", true},
        Sample{"SymbolGluedToNumber", Rule::Unit, u"hasta 10mSv", true},
        Sample{"KilometresGluedToNumber", Rule::Unit, u"a 3km", true},
        Sample{"DecimalGluedToSymbol", Rule::Unit, u"vale 3,7GBq", true},
        Sample{"WordsAfterNumbers", Rule::Unit, u"de 3 a 5 km, 37 000 millones, 8 días, 1836 veces", false},
        Sample{"IsotopeMassNumbers", Rule::Unit, u"el radio-226, el I-131 y el uranio-235", false},
        Sample{"TermOnce", Rule::TermTwice, u"Centro de mando. El CECOP coordina.", false, u"CECOP"},
        Sample{"TermTwiceInAnyCase", Rule::TermTwice, u"El CECOP coordina; el cecop manda.", true, u"CECOP"},
        Sample{"AccentedTermTwice", Rule::TermTwice, u"Un átomo dentro de otro ÁTOMO.", true, u"ÁTOMO"},
        Sample{"TermInsideLongerWords", Rule::TermTwice, u"El milisievert; 1 milisievert al año.", false,
               u"SIEVERT"},
        Sample{"PhraseTermTwice", Rule::TermTwice, u"La dosis efectiva, es decir, la DOSIS EFECTIVA.", true,
               u"DOSIS EFECTIVA"},
        Sample{"RepealedRegulationNamed", Rule::RepealedNamed, u"Según el RD 783/2001, el límite es otro.",
               true},
        Sample{"OldInstallationsRegulationNamed", Rule::RepealedNamed, u"lo exige el Real Decreto 1836/1999",
               true},
        Sample{"RegulationInForceNamed", Rule::RepealedNamed, u"El RD 1029/2022 fija el límite.", false},
        Sample{"PublicLimitAlone", Rule::PublicLimitScope, u"El límite para el público es de 1 mSv al año.",
               true},
        Sample{"PublicLimitInWords", Rule::PublicLimitScope,
               u"El límite de dosis para el público es de 1 milisievert al año.", true},
        Sample{"PublicLimitForPlannedOnly", Rule::PublicLimitScope,
               u"El límite para el público, 1 mSv al año, rige en exposiciones planificadas.", true},
        Sample{"PublicLimitWithItsScope", Rule::PublicLimitScope,
               u"El límite para el público, 1 mSv al año, rige en exposiciones planificadas, no en una "
               u"emergencia.",
               false},
        Sample{"WorkersLimit", Rule::PublicLimitScope, u"Para los trabajadores expuestos, 20 mSv al año.",
               false},
        Sample{"OtherDosesForThePublic", Rule::PublicLimitScope,
               u"Niveles de 0,1 mSv y de 21 mSv para el público.", false},
        Sample{"Article", Rule::LawLocator, u"art. 4.2", false},
        Sample{"ArticlesAndLetters", Rule::LawLocator, u"arts. 4.18, 6 c), 15.1 y 67.2 b)", false},
        Sample{"Annex", Rule::LawLocator, u"anexo IV 1 (profilaxis radiológica)", false},
        Sample{"TitleAfterAnnex", Rule::LawLocator, u"anexo I; Tít. II 3", false},
        Sample{"Provision", Rule::LawLocator, u"disposición derogatoria única, apartado 2 c)", false},
        Sample{"NoLocator", Rule::LawLocator, u"", true},
        Sample{"VagueLocator", Rule::LawLocator, u"texto completo", true},
        Sample{"BareNumber", Rule::LawLocator, u"4.2", true},
        Sample{"AgreementSection", Rule::LawLocator, u"acuerdo sexto, apartado 1", false},
        Sample{"StrategySection", Rule::LawLocator, u"Estrategia, apartado 3.1, tabla 2", false},
        Sample{"Omission", Rule::QuotedAsWritten, u"«La participación del CSN [...] se llevará a cabo»",
               false},
        Sample{"GreekLetterAsWritten", Rule::QuotedAsWritten, u"«el valor de τ, se sobreentiende»", false},
        Sample{"GreekLetterSpeltOut", Rule::QuotedAsWritten, u"«el valor de [tau], se sobreentiende»", true},
        Sample{"UnclosedBracket", Rule::QuotedAsWritten, u"«el valor de [tau, se»", true},
        Sample{.name = "InterventionLevelAlone",
               .rule = Rule::ReplacedCriterion,
               .faulty = true,
               .cited = {{{u"PLABEN", u"anexo II 1", u"10 mSv"}}}},
        Sample{.name = "InterventionLevelWithTheStrategy",
               .rule = Rule::ReplacedCriterion,
               .faulty = false,
               .cited = {{{u"PLABEN", u"anexo II 1", u"10 mSv"},
                          {kAgreement2023Key, u"Estrategia, apartado 3.1, tabla 2", u"«Hasta 10 km»"}}}},
        Sample{.name = "InterventionLevelWithAnotherPartOfTheAgreement",
               .rule = Rule::ReplacedCriterion,
               .faulty = true,
               .cited = {{{u"PLABEN", u"anexo II, nota b)", u"dos días"},
                          {kAgreement2023Key, u"acuerdo sexto, apartado 1", u"«Dirección Radiológica»"}}}},
        Sample{.name = "OtherAnnexesOfTheSamePlan",
               .rule = Rule::ReplacedCriterion,
               .faulty = false,
               .cited = {{{u"PLABEN", u"anexo III, apartado 2", u"I al IV"},
                          {u"PLABEN", u"anexo IV 1 (confinamiento)", u"ventilación"}}}},
        Sample{.name = "RadiologicalGroupAlone",
               .rule = Rule::ReplacedCriterion,
               .faulty = true,
               .cited = {{{u"PLABEN", u"Tít. III 1.5.2 g)", u"residuos"}}}},
        Sample{.name = "RadiologicalGroupWithItsSuccessor",
               .rule = Rule::ReplacedCriterion,
               .faulty = false,
               .cited = {{{u"PLABEN", u"Tít. III 1.5.2", u"residuos"},
                          {kAgreement2023Key, u"acuerdo sexto, apartado 1", u"«Grupo Radiológico»"}}}},
        Sample{.name = "SamePlaceInAnotherText",
               .rule = Rule::ReplacedCriterion,
               .faulty = false,
               .cited = {{{u"RD 1217/2024", u"anexo II", u"tabla"}}}}),
    [](const testing::TestParamInfo<Sample>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The rules on every entry.

// A test name from a term: capitals, accents dropped, "_" for spaces.
std::string nameOf(std::u16string_view term)
{
    std::string name;
    for (char16_t c : term) {
        switch (c) {
        case u'Á':
            name += 'A';
            break;
        case u'É':
            name += 'E';
            break;
        case u'Í':
            name += 'I';
            break;
        case u'Ó':
            name += 'O';
            break;
        case u'Ú':
            name += 'U';
            break;
        case u' ':
            name += '_';
            break;
        default:
            name += (c < 0x80 && isLetter(c)) ? static_cast<char>(c) : 'X';
        }
    }
    return name;
}

class EntryText : public testing::TestWithParam<int> {
protected:
    const Entry& entry() const { return kCatalogue[static_cast<std::size_t>(GetParam())]; }
};

TEST_P(EntryText, CitesKnownSourcesAndTheWordsThatBackIt)
{
    const EntrySources& sources = sourcesOf(GetParam());
    EXPECT_EQ(toUtf8(sources.term), toUtf8(entry().term)) << "the sources are not in the catalogue's order";
    const std::span<const Citation> cited = citationsOf(sources);
    EXPECT_FALSE(cited.empty()) << "no source";
    for (std::size_t i = cited.size(); i < sources.citations.size(); ++i) {
        const Citation& unused = sources.citations[i];
        EXPECT_TRUE(unused.key.empty() && unused.locator.empty() && unused.words.empty())
            << "a citation without its key, or after one: " << toUtf8(unused.locator);
    }
    for (const Citation& citation : cited) {
        const SourceTitle* source = findSource(citation.key);
        ASSERT_NE(source, nullptr) << "unknown key " << toUtf8(citation.key);
        EXPECT_FALSE(citation.locator.empty()) << toUtf8(citation.key);
        EXPECT_FALSE(citation.words.empty()) << toUtf8(citation.key) << ", " << toUtf8(citation.locator);
        if (isLaw(source->status)) {
            EXPECT_TRUE(namesAPlaceInALaw(citation.locator))
                << toUtf8(citation.key) << " cited at \"" << toUtf8(citation.locator) << "\"";
        }
        for (char16_t c : citation.locator)
            EXPECT_LE(c, 0xFF) << "outside Latin-1 in " << toUtf8(citation.locator);
        // The words are printed only in the UTF-8 document, so they keep the
        // official text's own letters and symbols.
        for (const std::u16string& bracketed : bracketedOtherThanOmission(citation.words))
            ADD_FAILURE() << toUtf8(citation.key) << ", " << toUtf8(citation.locator) << ": \""
                          << toUtf8(bracketed) << "\" where the text has its own symbol or an omission";
    }
    const Change& change = sources.change;
    if (change.kind != ChangeKind::None) {
        EXPECT_FALSE(change.what.empty());
        const std::u16string_view key = change.basis.substr(0, change.basis.find(u','));
        EXPECT_TRUE(isSourceKey(key)) << "change rests on \"" << toUtf8(change.basis) << "\"";
    }
}

TEST_P(EntryText, WritesNumbersWithADecimalComma)
{
    for (const std::u16string& fault : decimalPoints(entry().definition))
        ADD_FAILURE() << "decimal point in \"" << toUtf8(fault) << "\"";
}

TEST_P(EntryText, WritesKnownUnitSymbolsAfterASpace)
{
    for (const std::u16string& fault : unitFaults(entry().definition))
        ADD_FAILURE() << "unit written as \"" << toUtf8(fault) << "\"";
}

TEST_P(EntryText, SaysWhatIsInForce)
{
    for (std::u16string_view repealed : repealedNamed(entry().definition))
        ADD_FAILURE() << "names the repealed " << toUtf8(repealed);
    EXPECT_FALSE(givesPublicLimitWithoutItsScope(entry().definition))
        << "gives the public's limit without saying that it holds in planned exposures, not in an emergency";
    // A repealed text backs only the words it defined, says so, and is never
    // an entry's only source.
    const std::span<const Citation> cited = citationsOf(sourcesOf(GetParam()));
    bool restsOnMoreThanRepealedTexts = false;
    for (const Citation& citation : cited) {
        const SourceTitle* source = findSource(citation.key);
        ASSERT_NE(source, nullptr) << "unknown key " << toUtf8(citation.key);
        if (source->status == SourceStatus::Repealed) {
            EXPECT_TRUE(contains(citation.locator, u"derogado"))
                << toUtf8(citation.key) << " cited as if in force at \"" << toUtf8(citation.locator) << "\"";
        } else {
            restsOnMoreThanRepealedTexts = true;
        }
    }
    EXPECT_TRUE(restsOnMoreThanRepealedTexts) << "rests on repealed texts only";
}

std::string rowName(const testing::TestParamInfo<int>& info)
{
    return nameOf(kCatalogue[static_cast<std::size_t>(info.param)].term);
}

INSTANTIATE_TEST_SUITE_P(Rows, EntryText, testing::Range(0, kRowCount), rowName);

// The rows whose definition was written for this glossary; the fixed texts
// are kept as they are.
std::vector<int> writtenRows()
{
    std::vector<int> rows;
    for (int row = 0; row < kRowCount; ++row) {
        if (!isOwnText(row))
            rows.push_back(row);
    }
    return rows;
}

class WrittenDefinition : public EntryText {};

TEST_P(WrittenDefinition, NamesItsTermAtMostOnceAfterTheColon)
{
    EXPECT_LE(timesNamed(bodyOf(entry()), entry().term), 1) << toUtf8(entry().definition);
}

INSTANTIATE_TEST_SUITE_P(Rows, WrittenDefinition, testing::ValuesIn(writtenRows()), rowName);

// ---------------------------------------------------------------------------
// The source list that docs/glosario.md prints in its preface.

TEST(SourceList, KeysAreDistinctTitledAndEachCitedByAnEntry)
{
    for (std::size_t a = 0; a < kSources.size(); ++a) {
        const SourceTitle& source = kSources[a];
        EXPECT_FALSE(source.key.empty()) << "source " << a;
        EXPECT_GT(source.title.size(), source.key.size()) << toUtf8(source.key);
        for (std::size_t b = a + 1; b < kSources.size(); ++b)
            EXPECT_NE(source.key, kSources[b].key) << toUtf8(source.key);
        const bool cited =
            std::any_of(kEntrySources.begin(), kEntrySources.end(), [&](const EntrySources& e) {
                const std::span<const Citation> citations = citationsOf(e);
                return std::any_of(citations.begin(), citations.end(),
                                   [&](const Citation& c) { return c.key == source.key; });
            });
        EXPECT_TRUE(cited) << toUtf8(source.key) << " is listed but no entry cites it";
        // The printed list is where a reader learns that a text no longer holds.
        if (source.status == SourceStatus::Repealed || source.status == SourceStatus::AppliedUntilReplaced) {
            EXPECT_TRUE(contains(source.title, u"Derogado por")) << toUtf8(source.key);
        }
        if (source.status == SourceStatus::AppliedUntilReplaced) {
            EXPECT_TRUE(contains(source.title, u"sigue aplicándose")) << toUtf8(source.key);
        }
    }
}

} // namespace
} // namespace lexidor
