// SPDX-License-Identifier: MIT
// Random sessions against the window logic on the fake: whatever the user
// does, the type-ahead state stays in range and every list access is valid
// (the fake throws on a row outside the list). Seeded, so a failure replays:
// LEXIDOR_SEED=<seed> reruns one session.

#include "Catalogue.h"
#include "FakeWindow.h"
#include "StateInvariants.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

namespace lexidor {
namespace {

using test::FakeWindow;

// Characters a user might type: letters, accented letters, space, digits,
// and characters outside Latin-1 (including half of a surrogate pair).
constexpr char16_t kAlphabetChars[] = u"abcdeilmnoprstuzACENOPSZáéíóÁÉÍÓñü ,.1\u20AC\u03A9";
constexpr char16_t kSurrogates[] = {0xD83D, 0xDE00};

std::string describe(std::uint32_t seed, const std::string& log)
{
    return "seed " + std::to_string(seed) + ", events: " + log;
}

void runSession(std::uint32_t seed)
{
    std::mt19937 rng(seed);
    FakeWindow w;
    std::string log;
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

    const int events = 20 + pick(120);
    for (int e = 0; e < events; ++e) {
        const int what = pick(100);
        try {
            if (what < 45) {
                const int n = static_cast<int>(std::size(kAlphabetChars)) - 1;
                const int i = pick(n + 2);
                const char16_t c = i < n ? kAlphabetChars[i] : kSurrogates[i - n];
                w.type(std::u16string_view(&c, 1));
                log += "t" + test::utf8(std::u16string_view(&c, 1)) + " ";
            } else if (what < 65) {
                w.backspace();
                log += "BS ";
            } else if (what < 72) {
                w.enter();
                log += "ENTER ";
            } else if (what < 80) {
                w.key(pick(2) ? vk::Shift : vk::Left + pick(4));
                log += "KEY ";
            } else if (what < 86) {
                w.clickBox();
                log += "CLICK ";
            } else if (what < 91) {
                const int row = pick(kRowCount);
                w.clickRow(row);
                log += "SEL" + std::to_string(row) + " ";
            } else if (what < 95) {
                const int row = pick(kRowCount);
                w.doubleClickRow(row);
                log += "DBL" + std::to_string(row) + " ";
            } else if (what < 98) {
                w.listKey(vk::Return);
                log += "LISTENTER ";
            } else {
                w.clickBuscar();
                log += "BUSCAR ";
            }
        } catch (const std::exception& ex) {
            FAIL() << ex.what() << "; " << describe(seed, log);
        }
        const int row = w.rt.selectedRow();
        const std::u16string rowText = w.rt.selectedText();
        ASSERT_EQ(test::stateProblem({w.form().indice(), w.form().longitud(), row, row >= 0 ? 1 : 0, rowText,
                                      w.rt.caption(), w.rt.topRow(), w.events.list().rowsRefused()}),
                  "")
            << describe(seed, log);
        // A key step other than an ignored Backspace always leaves a row selected.
        if (what < 45 || (what >= 65 && what < 80)) {
            ASSERT_NE(w.rt.selectedRow(), -1) << describe(seed, log);
        }
    }
}

TEST(TypeAheadProperty, StateStaysValidInRandomSessions)
{
    if (const char* one = std::getenv("LEXIDOR_SEED")) {
        runSession(static_cast<std::uint32_t>(std::strtoul(one, nullptr, 10)));
        return;
    }
    for (std::uint32_t seed = 1; seed <= 20000 && !HasFatalFailure(); ++seed)
        runSession(seed);
}

// Sessions that push the history to its end: a whole term and hundreds of
// keys that leave it unchanged, then Backspaces back down.
TEST(TypeAheadProperty, HistoryEndIsSafeForEveryTerm)
{
    for (int row = 0; row < kRowCount; ++row) {
        FakeWindow w;
        w.type(kCatalogue[row].term);
        for (int i = 0; i < 300; ++i) {
            w.key(i % 3 == 0 ? vk::Return : (i % 3 == 1 ? vk::Shift : vk::Right));
            ASSERT_LE(w.form().longitud(), FrmLexidor::kHistoryLength + 1);
        }
        EXPECT_EQ(w.form().longitud(), FrmLexidor::kHistoryLength + 1) << test::utf8(kCatalogue[row].term);
        // Some rows are also found by a shorter prefix: the selection is the
        // first row that begins with the whole term.
        const int expected = w.rt.selectedRow();
        EXPECT_EQ(test::utf8(w.rt.selectedText().substr(0, kCatalogue[row].term.size())),
                  test::utf8(kCatalogue[row].term));
        EXPECT_EQ(test::utf8(w.rt.caption()), test::utf8(kCatalogue[row].definition));

        // Backspace steps back through the stored matches of the whole term.
        w.backspace();
        EXPECT_EQ(w.form().longitud(), FrmLexidor::kHistoryLength);
        EXPECT_EQ(w.rt.selectedRow(), expected);
        w.type(kCatalogue[row].term.substr(kCatalogue[row].term.size() - 1));
        EXPECT_EQ(w.form().longitud(), FrmLexidor::kHistoryLength + 1);
        EXPECT_EQ(w.rt.selectedRow(), expected);
    }
}

} // namespace
} // namespace lexidor
