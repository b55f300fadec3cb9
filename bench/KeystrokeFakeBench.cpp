// SPDX-License-Identifier: MIT
// The cost of one key step of the window logic on the in-memory toolkit:
// what FrmLexidor itself costs, without any widget.

#include "Catalogue.h"
#include "FakeWindow.h"
#include "KeyCodes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>

namespace {

using lexidor::kCatalogue;
using lexidor::test::FakeWindow;
namespace vk = lexidor::vk;

// The entry whose definition is longest: the most text to find and show.
const lexidor::Entry& longestEntry()
{
    return *std::max_element(kCatalogue.begin(), kCatalogue.end(), [](const auto& a, const auto& b) {
        return a.definition.size() < b.definition.size();
    });
}

// The worst key step: after "a" (row 0), a "9" matches no term, so the
// selection is moved row by row to the last row (60) and then back to the
// row remembered for "a". The box's edit is undone after each step, outside
// the handler, so every iteration is the same step.
void BM_Fake_WorstKeyStep(benchmark::State& state)
{
    FakeWindow h;
    h.type(u"a");
    for (auto _ : state) {
        h.rt.userTypes(u"9");
        h.events.keyReleased(lexidor::Control::txtBuscar, vk::Key0 + 9);
        h.rt.userBackspace();
    }
    if (h.rt.selectedRow() != 0 || h.form().longitud() != 2 || h.form().indice() != 0)
        state.SkipWithError("the step did not come back to row 0");
}
BENCHMARK(BM_Fake_WorstKeyStep)->Unit(benchmark::kMicrosecond);

// A lookup: "Buscar" with a whole term in the box, the one with the longest
// definition; every row's term is compared.
void BM_Fake_Lookup(benchmark::State& state)
{
    const lexidor::Entry& entry = longestEntry();
    FakeWindow h;
    h.rt.userTypes(entry.term);
    for (auto _ : state) {
        h.events.buscarClicked();
        benchmark::DoNotOptimize(h.rt.caption().data());
    }
    if (h.rt.caption() != entry.definition)
        state.SkipWithError("the definition was not shown");
}
BENCHMARK(BM_Fake_Lookup)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
