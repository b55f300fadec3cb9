// SPDX-License-Identifier: MIT
// Every golden scenario file replayed on the fake toolkit, in the fast suite:
// the window logic and the event rules must give the same lines as the real
// windows do on Qt and on Win32.

#include "Catalogue.h"
#include "FakeWindow.h"
#include "ScenarioProtocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace lexidor {
namespace {

namespace fs = std::filesystem;
using test::FakeWindow;
using Focus = FakeRuntime::Focus;

// The fake as a user drives it: the controls change first, then the events.
class FakeTarget final : public scenario::Target {
public:
    int rows() const override { return kRowCount; }
    bool ended() const override { return w_->events.hasEnded(); }

    scenario::State state() override
    {
        // The announcements made since the last line; the last one is heard.
        const auto& announced = w_->rt.announcements();
        std::u16string said = announced.size() > heard_ ? announced.back() : u"";
        heard_ = announced.size();
        return {w_->rt.txtBuscar_Text(), w_->rt.selectedRow(),  w_->rt.topRow(),           w_->rt.caption(),
                w_->form().indice(),     w_->form().longitud(), focusName(w_->rt.focus()), std::move(said)};
    }

    void typeCharacter(std::u16string_view character) override { w_->typeCharacter(character); }
    bool insertText(std::u16string_view text) override
    {
        w_->insert(text);
        return true;
    }

    void act(const scenario::Command& command) override
    {
        std::visit([this](const auto& c) { (*this)(c); }, command);
    }

private:
    static std::u16string focusName(Focus focus)
    {
        switch (focus) {
        case Focus::txtBuscar:
            return u"txtBuscar";
        case Focus::lstLista:
            return u"lstLista";
        case Focus::cmdBuscar:
            return u"cmdBuscar";
        case Focus::None:
            break;
        }
        return u"";
    }

    void operator()(const scenario::Type&) {}

    void operator()(const scenario::PressBoxKey& c)
    {
        using K = scenario::BoxKey;
        FakeRuntime& rt = w_->rt;
        switch (c.key) {
        case K::Enter:
        case K::KeypadEnter:
            return w_->key(vk::Return);
        case K::Backspace:
            return w_->backspace();
        case K::Shift:
            return w_->key(vk::Shift);
        case K::CapsLock:
            return w_->key(vk::Capital);
        case K::Left:
            rt.userMovesCaret(-1);
            return w_->key(vk::Left);
        case K::Right:
            rt.userMovesCaret(1);
            return w_->key(vk::Right);
        case K::Home:
            rt.userMovesCaretTo(false);
            return w_->key(vk::Home);
        case K::End:
            rt.userMovesCaretTo(true);
            return w_->key(vk::End);
        case K::Delete:
            rt.userDeletes();
            return w_->key(vk::Delete);
        }
    }

    void operator()(const scenario::PressListKey& c)
    {
        using K = scenario::ListKey;
        switch (c.key) {
        case K::Enter:
            return w_->listKey(vk::Return);
        case K::Space:
            return w_->listKey(vk::Space);
        case K::Up:
            return w_->listKey(vk::Up);
        case K::Down:
            return w_->listKey(vk::Down);
        case K::PageUp:
            return w_->listKey(vk::Prior);
        case K::PageDown:
            return w_->listKey(vk::Next);
        case K::Home:
            return w_->listKey(vk::Home);
        case K::End:
            return w_->listKey(vk::End);
        case K::Letter:
            // The key of a letter, unshifted: it types the small letter.
            return w_->listKey(vk::ofCharacter(static_cast<char16_t>(c.letter)),
                               static_cast<char32_t>(c.letter - 'A' + 'a'));
        }
    }

    void operator()(const scenario::ReleaseAlt&) { w_->events.keyReleased(Control::txtBuscar, vk::Menu); }
    void operator()(const scenario::ClickBox& c)
    {
        using B = scenario::Button;
        w_->clickBox(c.button == B::Left    ? MouseButton::Left
                     : c.button == B::Right ? MouseButton::Right
                                            : MouseButton::Middle);
    }
    void operator()(const scenario::DragBox&) { w_->clickBox(MouseButton::Left, false); }
    void operator()(const scenario::DoubleClickBox&) { w_->doubleClickBox(); }
    // Buscar takes the focus, then Enter is pressed and released there.
    void operator()(const scenario::EnterOnBuscar&)
    {
        w_->rt.userFocuses(Focus::cmdBuscar);
        w_->events.keyPressed(Control::cmdBuscar, vk::Return, {});
        w_->events.keyReleased(Control::cmdBuscar, vk::Return);
    }
    void operator()(const scenario::ClickBuscar&) { w_->clickBuscar(); }
    void operator()(const scenario::SelectRow& c)
    {
        w_->clickRow(c.row, c.button == scenario::Button::Right ? MouseButton::Right : MouseButton::Left);
    }
    void operator()(const scenario::DoubleClickRow& c) { w_->doubleClickRow(c.row); }
    void operator()(const scenario::DoubleClickBelowRows&)
    {
        w_->scrollList(kRowCount - w_->events.list().visibleRows());
        w_->clickRow(-1);
        w_->clickRow(-1, MouseButton::Left, 2);
    }
    void operator()(const scenario::Tab& c) { w_->tab(c.backwards, {false, c.ctrl, false, false}); }

    void operator()(const scenario::Activate&) { w_->events.activated(); }
    void operator()(const scenario::Restart&)
    {
        w_ = std::make_unique<FakeWindow>();
        heard_ = 0;
    }
    void operator()(const scenario::EndProgram& c)
    {
        if (c.how == scenario::EndProgram::CloseControl)
            w_->events.closed();
        else
            w_->events.cerrarChosen();
    }

    std::unique_ptr<FakeWindow> w_ = std::make_unique<FakeWindow>();
    std::size_t heard_ = 0;
};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> scenarioNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(LEXIDOR_SCENARIO_DIR)) {
        if (entry.path().extension() == ".scenario")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The golden lines as the fake can show them: it draws nothing and tells no
// screen reader anything, so the definition as drawn ("cut") and the row
// named current ("current") are the real toolkits' to check.
std::string withoutWhatTheFakeCannotShow(const std::string& golden)
{
    static const std::regex unread(R"(,"(current":-?[0-9]+|cut":(true|false)))");
    return std::regex_replace(golden, unread, "");
}

class GoldenScenario : public testing::TestWithParam<std::string> {};

TEST_P(GoldenScenario, GivesTheGoldenLinesOnTheFake)
{
    const fs::path base = fs::path(LEXIDOR_SCENARIO_DIR) / GetParam();
    std::FILE* in = std::fopen((base.string() + ".scenario").c_str(), "rb");
    std::FILE* out = std::tmpfile();
    ASSERT_TRUE(in && out);
    FakeTarget target;
    const int status = scenario::run(in, out, target);
    std::fclose(in);

    std::string actual(static_cast<std::size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    const std::size_t read = std::fread(actual.data(), 1, actual.size(), out);
    std::fclose(out);
    actual.resize(read);

    const std::string expected = withoutWhatTheFakeCannotShow(readFile(base.string() + ".expected"));
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(status, expected.find("{\"error\"") == std::string::npos ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenScenario, testing::ValuesIn(scenarioNames()), [](const auto& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

} // namespace
} // namespace lexidor
