// SPDX-License-Identifier: MIT
// The forms runtime's rules that every toolkit shares (FormEvents): Activate
// on the first activation only, no handler once the program has ended, one
// Click per click; and the layout table at other display resolutions.

#include "Catalogue.h"
#include "FakeWindow.h"
#include "FormDescription.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace lexidor {
namespace {

using test::FakeWindow;
using test::utf8;

struct EventCase {
    const char* name;
    std::function<void(FakeWindow&)> event;
};

void PrintTo(const EventCase& c, std::ostream* os)
{
    *os << c.name;
}

// After Cerrar, each event arrives with "csn" in the box and row 13
// selected, which would look up, restart, copy or step if a handler ran.
class AfterEnd : public testing::TestWithParam<EventCase> {};

TEST_P(AfterEnd, NoHandlerRuns)
{
    FakeWindow w;
    w.type(u"cs");
    w.events.cerrarChosen();
    ASSERT_TRUE(w.events.hasEnded());
    w.rt.userTypes(u"n");
    w.rt.userShowsList(0, 0);
    w.rt.userFocuses(FakeRuntime::Focus::lstLista);

    GetParam().event(w);

    EXPECT_EQ(utf8(w.rt.caption()), "");
    EXPECT_EQ(utf8(w.rt.txtBuscar_Text()), "csn");
    EXPECT_EQ(w.rt.selectedRow(), 0);
    EXPECT_EQ(w.form().indice(), 13);
    EXPECT_EQ(w.form().longitud(), 3);
    EXPECT_EQ(w.rt.focus(), FakeRuntime::Focus::lstLista);
}

INSTANTIATE_TEST_SUITE_P(
    Events, AfterEnd,
    testing::Values(EventCase{"EnterInBox", [](FakeWindow& w) { w.key(vk::Return); }},
                    EventCase{"LetterInBox", [](FakeWindow& w) { w.key(vk::KeyA + 13); }},
                    EventCase{"EnterInList", [](FakeWindow& w) { w.listKey(vk::Return); }},
                    EventCase{"ArrowInList", [](FakeWindow& w) { w.listKey(vk::Down); }},
                    EventCase{"Tab", [](FakeWindow& w) { w.tab(false); }},
                    EventCase{"TextWithoutKeys", [](FakeWindow& w) { w.events.boxTextArrived(vk::None); }},
                    EventCase{"Buscar", [](FakeWindow& w) { w.events.buscarClicked(); }},
                    EventCase{"ClickInBox", [](FakeWindow& w) { w.clickBox(); }},
                    EventCase{"DoubleClickOnRow", [](FakeWindow& w) { w.doubleClickRow(13); }},
                    EventCase{"Activation", [](FakeWindow& w) { w.events.activated(); }},
                    EventCase{"CerrarAgain", [](FakeWindow& w) { w.events.cerrarChosen(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormEvents, TheWindowClosingEndsTheProgramOnce)
{
    FakeWindow w;
    EXPECT_TRUE(w.events.closed());
    EXPECT_FALSE(w.events.closed());
    EXPECT_TRUE(w.events.hasEnded());
}

TEST(FormEvents, OnlyTheFirstActivationRaisesActivate)
{
    FakeWindow w; // created and activated: the focus is in the box
    EXPECT_EQ(w.rt.focus(), FakeRuntime::Focus::txtBuscar);
    w.clickRow(4);
    w.events.activated();
    EXPECT_EQ(w.rt.focus(), FakeRuntime::Focus::lstLista);
}

// Mouse buttons in the box, after "c" (intLongitud 2): a Click restarts the
// search (intLongitud 1, intIndice 0). The toolkits report presses and
// releases as they see them; which of them make a Click is decided once.
struct ClickCase {
    const char* name;
    std::function<void(FormEvents&)> mouse;
    bool clicks;
};

void PrintTo(const ClickCase& c, std::ostream* os)
{
    *os << c.name;
}

class BoxClicks : public testing::TestWithParam<ClickCase> {};

TEST_P(BoxClicks, OneClickPerClick)
{
    FakeWindow w;
    w.type(u"c");
    ASSERT_EQ(w.form().longitud(), 2);
    GetParam().mouse(w.events);
    EXPECT_EQ(w.form().longitud() == 1 && w.form().indice() == 0, GetParam().clicks);
}

constexpr Control box = Control::txtBuscar;
constexpr MouseButton left = MouseButton::Left, right = MouseButton::Right;

INSTANTIATE_TEST_SUITE_P(Gestures, BoxClicks,
                         testing::Values(
                             // A release with no press in the box before it (the press was
                             // elsewhere, and the pointer came in) is no click.
                             ClickCase{"ReleaseWithoutPress",
                                       [](FormEvents& e) { e.buttonReleased(box, left, true); }, false},
                             // Both buttons down, the left let go first: the left's click,
                             // whichever button went down last.
                             ClickCase{"LeftReleasedDuringAChord",
                                       [](FormEvents& e) {
                                           e.buttonPressed(box, left, -1, 1);
                                           e.buttonPressed(box, right, -1, 1);
                                           e.buttonReleased(box, left, true);
                                           e.buttonReleased(box, right, true);
                                       },
                                       true},
                             // A right press reported with a left release (as one browser
                             // engine reports it) is no click.
                             ClickCase{"RightPressLeftRelease",
                                       [](FormEvents& e) {
                                           e.buttonPressed(box, right, -1, 1);
                                           e.buttonReleased(box, left, true);
                                       },
                                       false},
                             // A third press in quick succession is a click again.
                             ClickCase{"ThirdPress",
                                       [](FormEvents& e) {
                                           e.buttonPressed(box, left, -1, 3);
                                           e.buttonReleased(box, left, true);
                                       },
                                       true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The list's navigation keys, as a classic list box moves its selection:
// 61 rows, 19 in sight.
struct Move {
    const char* name;
    int key;
    int selected, top;
    std::optional<int> expected;
};

void PrintTo(const Move& m, std::ostream* os)
{
    *os << m.name;
}

class ListKey : public testing::TestWithParam<Move> {};

TEST_P(ListKey, MovesAsAListBox)
{
    const Move& m = GetParam();
    std::vector<std::u16string_view> rows(61, u"X");
    ListBox list(rows, 19);
    list.shown(m.selected, m.top);
    EXPECT_EQ(list.rowForKey(m.key), m.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ListKey,
                         testing::Values(Move{"DownFromNone", vk::Down, -1, 5, 5},
                                         Move{"Down", vk::Down, 3, 0, 4},
                                         Move{"DownAtTheEnd", vk::Down, 60, 42, 60},
                                         Move{"UpAtTheTop", vk::Up, 0, 0, 0},
                                         Move{"Home", vk::Home, 30, 20, 0}, Move{"End", vk::End, 3, 0, 60},
                                         Move{"PageDownToTheLastRowInSight", vk::Next, 3, 0, 18},
                                         Move{"PageDownFromTheLastRowInSight", vk::Next, 18, 0, 36},
                                         Move{"PageDownNearTheEnd", vk::Next, 55, 42, 60},
                                         Move{"PageUpToTheFirstRowInSight", vk::Prior, 30, 20, 20},
                                         Move{"PageUpFromTheFirstRowInSight", vk::Prior, 20, 20, 2},
                                         Move{"OtherKey", vk::KeyA, 3, 0, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// Text that arrives with no key event, against the keys a keyboard user
// would have pressed for the same text, both after the same typing. (The
// golden file input-without-keys covers whole words, appended or inserted.)
struct ArrivalCase {
    const char* name;
    std::u16string_view typed;
    std::function<void(FakeWindow&)> arrives;
    std::function<void(FakeWindow&)> keys;
};

void PrintTo(const ArrivalCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextWithoutKeys : public testing::TestWithParam<ArrivalCase> {};

TEST_P(TextWithoutKeys, StepsAsTheKeysForIt)
{
    const ArrivalCase& c = GetParam();
    FakeWindow arrived, keyed;
    arrived.type(c.typed);
    keyed.type(c.typed);
    c.arrives(arrived);
    c.keys(keyed);
    EXPECT_EQ(utf8(arrived.rt.txtBuscar_Text()), utf8(keyed.rt.txtBuscar_Text()));
    EXPECT_EQ(arrived.rt.selectedRow(), keyed.rt.selectedRow());
    EXPECT_EQ(arrived.form().indice(), keyed.form().indice());
    EXPECT_EQ(arrived.form().longitud(), keyed.form().longitud());
}

INSTANTIATE_TEST_SUITE_P(
    Arrivals, TextWithoutKeys,
    testing::Values(ArrivalCase{"DeletedLettersAreBackspaces", u"cecopa",
                                [](FakeWindow& w) {
                                    w.rt.txtBuscar_SetText(u"ceco");
                                    w.events.boxTextArrived(vk::None);
                                },
                                [](FakeWindow& w) {
                                    w.backspace();
                                    w.backspace();
                                }},
                    ArrivalCase{"AWordReplacedIsTypedOverTheOldLetters", u"plam",
                                [](FakeWindow& w) {
                                    w.rt.txtBuscar_SetText(u"planes");
                                    w.events.boxTextArrived(vk::None);
                                },
                                [](FakeWindow& w) {
                                    w.rt.txtBuscar_SetText(u"pla");
                                    w.type(u"nes");
                                }},
                    ArrivalCase{"APairOfSurrogatesIsOneCharacter", u"c",
                                [](FakeWindow& w) { w.insert(u"\U0001F600"); },
                                [](FakeWindow& w) { w.typeCharacter(u"\U0001F600"); }},
                    ArrivalCase{"TheSameTextAgainIsNoKey", u"cs", [](FakeWindow& w) { w.insert(u""); },
                                [](FakeWindow&) {}},
                    ArrivalCase{"APasteIsCtrlV", u"cs",
                                [](FakeWindow& w) { w.insert(u"n", vk::ofCharacter(U'V')); },
                                [](FakeWindow& w) {
                                    w.rt.userTypes(u"n");
                                    w.key(vk::ofCharacter(U'V'));
                                    w.key(vk::Control);
                                }}),
    [](const auto& info) { return std::string(info.param.name); });

// The layout table at other display resolutions: each length is scaled
// from twips on its own, rounded down, as the Windows window places them.
struct ScaleCase {
    int dpi;
    Control control;
    PixelRect want;
    int clientWidth, clientHeight;
};

void PrintTo(const ScaleCase& c, std::ostream* os)
{
    *os << kFrmLexidor[c.control].name << " at " << c.dpi << " dpi";
}

class LayoutAtDpi : public testing::TestWithParam<ScaleCase> {};

TEST_P(LayoutAtDpi, ControlAndClientArea)
{
    const ScaleCase& c = GetParam();
    EXPECT_EQ(kFrmLexidor[c.control].pixelsAt(c.dpi), c.want);
    EXPECT_EQ(kFrmLexidor.clientPixelWidthAt(c.dpi), c.clientWidth);
    EXPECT_EQ(kFrmLexidor.clientPixelHeightAt(c.dpi), c.clientHeight);
}

INSTANTIATE_TEST_SUITE_P(
    FormTable, LayoutAtDpi,
    testing::Values(ScaleCase{96, Control::lblDescripcion, {272, 80, 201, 249}, 490, 401},
                    ScaleCase{120, Control::cmdBuscar, {120, 440, 101, 31}, 612, 501},
                    ScaleCase{144, Control::lblBuscar, {24, 36, 253, 25}, 735, 601},
                    ScaleCase{144, Control::lstLista, {24, 120, 361, 376}, 735, 601},
                    ScaleCase{192, Control::txtBuscar, {32, 96, 450, 38}, 980, 802}));

// The list is shortened to whole rows inside its border, as a classic list
// box with integral height: 19 rows at 96 and at 144 dots per inch.
TEST(LayoutAtDpi, TheListShowsWholeRowsOnly)
{
    EXPECT_EQ(kFrmLexidor.listPixelsAt(96, 2).height, 2 * 2 + 19 * 13);
    EXPECT_EQ(kFrmLexidor.listPixelsAt(96, 1).height, 2 * 1 + 19 * 13);
    EXPECT_EQ(kFrmLexidor.listPixelsAt(144, 3).height, 2 * 3 + 19 * 19);
    EXPECT_EQ(kFrmLexidor.listVisibleRowsAt(144, 3), 19);
}

TEST(LayoutAtDpi, MarginsAndFramesScaleButNeverVanish)
{
    EXPECT_EQ(scalePixels(2, 96), 2);
    EXPECT_EQ(scalePixels(2, 144), 3);
    EXPECT_EQ(scalePixels(1, 72), 1);
    EXPECT_EQ(scalePixels(0, 144), 0);
}

} // namespace
} // namespace lexidor
