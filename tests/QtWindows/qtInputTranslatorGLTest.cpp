// The viewport's event translation, driven by synthetic events into a sink
// that records the scene calls: button and modifier codes, flipped y, chords,
// double clicks, the wheel, key taps and holds, the keys with operations of
// their own, and Tab held as a modifier.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <string>
#include <tuple>
#include <vector>

#include "QtWindows/qtInputTranslator.h"
#include "support/GLTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int height = 100;
constexpr QEvent::Type Down = QEvent::KeyPress, Up = QEvent::KeyRelease;

class qtInputTranslatorTest : public ::testing::Test {
protected:
    // Synthetic events need no display; without one, the offscreen platform
    // serves. Another test in this binary may have made the application already.
    static void SetUpTestSuite() { ensureApplication(WithoutDisplay::UseOffscreen); }
    void SetUp() override { input.setViewportHeight(height); }

    std::vector<std::string> take() { return sink.take(); }

    static QMouseEvent mouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held,
                             Qt::KeyboardModifiers mods = {})
    {
        return QMouseEvent(type, QPointF(x, y), QPointF(x, y), button, held, mods);
    }
    void press(int x, int y, Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {})
    {
        input.mousePress(mouse(QEvent::MouseButtonPress, x, y, button, held, mods));
    }
    void doubleClick(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods = {})
    {
        input.mouseDoubleClick(mouse(QEvent::MouseButtonDblClick, x, y, button, button, mods));
    }
    void move(int x, int y, Qt::MouseButtons held)
    {
        input.mouseMove(mouse(QEvent::MouseMove, x, y, Qt::NoButton, held));
    }
    void release(int x, int y, Qt::MouseButton button, Qt::MouseButtons stillHeld = {})
    {
        input.mouseRelease(mouse(QEvent::MouseButtonRelease, x, y, button, stillHeld));
    }
    void turn(QPoint angleDelta, Qt::KeyboardModifiers mods = {})
    {
        QWheelEvent e(QPointF(5, 95), QPointF(5, 95), QPoint(), angleDelta, Qt::NoButton, mods, Qt::NoScrollPhase,
                      false);
        input.wheel(e);
    }
    void key(QEvent::Type type, int k, Qt::KeyboardModifiers mods = {}, bool autoRepeat = false, quint32 scanCode = 0)
    {
        QKeyEvent e(type, k, mods, scanCode, 0, 0, QString(), autoRepeat);
        type == Down ? input.keyPress(e) : input.keyRelease(e);
    }
    // A held key as X11 delivers it: each repeat is a release and a press,
    // both marked as auto-repeats.
    void repeat(int k, int times)
    {
        for (int i = 0; i < times; ++i) {
            key(Up, k, {}, true);
            key(Down, k, {}, true);
        }
    }
    void tap(int k, Qt::KeyboardModifiers mods = {})
    {
        key(Down, k, mods);
        key(Up, k, mods);
    }

    RecordingSink sink;
    qtInputTranslator input{&sink};
};

std::string pressCall(int button, int modifiers)
{
    return "press 10 80 " + std::to_string(button) + " " + std::to_string(modifiers);
}

} // namespace

// A double click follows its press with the double code of its button,
// without modifiers; a second button held makes a chord, a view command,
// which only Alt changes.
TEST_F(qtInputTranslatorTest, PressesDoubleClicksAndChordsCarryTheirCodes)
{
    const std::tuple<Qt::MouseButton, int, int> buttons[] = {
        {Qt::LeftButton, 0, 7}, {Qt::MiddleButton, 1, 8}, {Qt::RightButton, 2, 9}, {Qt::XButton1, 3, 10},
        {Qt::XButton2, 4, 11}};
    for (auto [button, code, doubleCode] : buttons) {
        press(10, 20, button, button);
        release(10, 20, button);
        doubleClick(10, 20, button, Qt::ControlModifier);
        EXPECT_THAT(take(), ElementsAre(pressCall(code, 0), "release 10 80", pressCall(doubleCode, 0))) << code;
    }
    const std::pair<Qt::KeyboardModifiers, int> cases[] = {
        {Qt::ControlModifier, 1},
        {Qt::ControlModifier | Qt::AltModifier, 3},
        {Qt::AltModifier | Qt::ShiftModifier, 6},
        {Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, 0},
        {Qt::MetaModifier | Qt::ShiftModifier, 1},
        {Qt::ShiftModifier | Qt::KeypadModifier, 4},
    };
    for (auto [mods, code] : cases) {
        press(10, 20, Qt::RightButton, Qt::RightButton, mods);
        EXPECT_THAT(take(), ElementsAre(pressCall(2, code))) << code;
    }
    const Qt::MouseButtons lm = Qt::LeftButton | Qt::MiddleButton, lr = Qt::LeftButton | Qt::RightButton;
    const std::tuple<Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers, int> chords[] = {
        {Qt::MiddleButton, lm, {}, 9013}, {Qt::RightButton, lr, {}, 9011}, {Qt::LeftButton, lr, {}, 9011},
        {Qt::MiddleButton, lm, Qt::AltModifier, 9012}, {Qt::RightButton, lr, Qt::AltModifier, 9012},
        {Qt::MiddleButton, lm, Qt::ControlModifier, 9013}, {Qt::RightButton, lm | Qt::RightButton, {}, 9013}};
    for (auto [button, held, mods, command] : chords) {
        press(10, 20, button, held, mods);
        EXPECT_THAT(take(), ElementsAre("execute " + std::to_string(command) + " 1 10 80")) << command;
    }
}

TEST_F(qtInputTranslatorTest, MovesDragWithAMainButtonHoverWithNoneAndFlipY)
{
    move(1, 2, Qt::NoButton);
    move(3, 4, Qt::LeftButton);
    move(5, 6, Qt::RightButton | Qt::XButton1);
    move(7, 8, Qt::MiddleButton);
    move(9, 10, Qt::XButton1 | Qt::XButton2);
    EXPECT_THAT(take(), ElementsAre("hover 1 98", "drag 3 96", "drag 5 94", "drag 7 92"));
    EXPECT_EQ(input.lastY, 90);
    input.setViewportHeight(200, 2.0); // positions scale by the pixel ratio
    move(10, 30, Qt::LeftButton);
    EXPECT_THAT(take(), ElementsAre("drag 20 140"));
}

// Meta on the wheel is no modifier, unlike on a press; a zero delta is up;
// sideways scrolling turns the wheel down only with Alt.
TEST_F(qtInputTranslatorTest, WheelTurnsUpAndDown)
{
    turn(QPoint(0, 120));
    turn(QPoint(0, -120));
    turn(QPoint(0, 15), Qt::ControlModifier);
    turn(QPoint(0, -15), Qt::AltModifier | Qt::ShiftModifier);
    turn(QPoint(0, 120), Qt::MetaModifier | Qt::ShiftModifier);
    turn(QPoint(120, 0));
    turn(QPoint(0, 0));
    turn(QPoint(-120, 0), Qt::AltModifier);
    EXPECT_THAT(take(), ElementsAre("wheel 5 5 5 0", "wheel 5 5 6 0", "wheel 5 5 5 1", "wheel 5 5 6 6", "wheel 5 5 5 0",
                                    "wheel 5 5 5 0", "wheel 5 5 5 0", "wheel 5 5 6 2"));
}

// Meta counts as Ctrl on keys; Ctrl, Alt and Shift together as nothing.
TEST_F(qtInputTranslatorTest, KeysAreTappedOrHeldOnceAndEachReleaseEndsItsOwnKey)
{
    tap(Qt::Key_E, Qt::MetaModifier);
    tap(Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 1", "keyReleaseAfterTap 69", "keyPress 69 0", "keyReleaseAfterTap 69"));
    key(Down, Qt::Key_E);
    repeat(Qt::Key_E, 4);
    EXPECT_TRUE(input.keyHeld);
    key(Up, Qt::Key_E);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 0", "keyHold 69 0", "keyReleaseAfterHold 69"));
    key(Down, Qt::Key_E);
    repeat(Qt::Key_E, 2);
    key(Down, Qt::Key_W);
    key(Up, Qt::Key_E);
    key(Up, Qt::Key_W);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 0", "keyHold 69 0", "keyPress 87 0", "keyReleaseAfterTap 69",
                                    "keyReleaseAfterTap 87"))
        << "each release ends its own key";
}

TEST_F(qtInputTranslatorTest, ReleaseMatchesThePhysicalKeyPressedHere)
{
    key(Up, Qt::Key_E);
    key(Down, Qt::Key_E, {}, true);
    EXPECT_THAT(take(), IsEmpty()) << "keys never pressed here";
    // Shift+1 goes down as "!" and, with Shift let go first, comes up as "1".
    key(Down, Qt::Key_Exclam, Qt::ShiftModifier, false, 10);
    key(Up, Qt::Key_1, {}, false, 10);
    EXPECT_THAT(take(), ElementsAre("keyPress 33 4", "keyReleaseAfterTap 33"));
}

// Return, Escape and Delete run their operations once per press; modifier
// keys alone reach no binding, but Ctrl is a key like any other, which the
// toolkit counts as held in its own press.
TEST_F(qtInputTranslatorTest, KeysWithOperationsOfTheirOwnAndModifierKeysAlone)
{
    for (int k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete}) {
        key(Down, k);
        repeat(k, 2);
        key(Up, k);
    }
    for (int k : {Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_Tab, Qt::Key_Control})
        tap(k);
    EXPECT_THAT(take(), ElementsAre("confirm", "confirm", "cancel", "deleteSelection", "deleteSelection",
                                    "keyPress 16777249 1", "keyReleaseAfterTap 16777249"));
}

TEST_F(qtInputTranslatorTest, TabHeldMakesEveryCodeTabUntilReleased)
{
    key(Down, Qt::Key_Tab);
    repeat(Qt::Key_Tab, 2);
    tap(Qt::Key_E, Qt::ControlModifier);
    turn(QPoint(0, 120), Qt::ShiftModifier);
    press(10, 20, Qt::LeftButton, Qt::LeftButton, Qt::AltModifier);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 8", "keyReleaseAfterTap 69", "wheel 5 5 5 8", pressCall(0, 8)));
    key(Up, Qt::Key_Tab);
    tap(Qt::Key_E, Qt::ControlModifier);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 1", "keyReleaseAfterTap 69"));
    // A mouse release and Backtab end it too.
    key(Down, Qt::Key_Tab);
    release(10, 20, Qt::LeftButton);
    EXPECT_FALSE(input.tabHeld);
    key(Down, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(input.tabHeld);
    key(Up, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(input.tabHeld);
}
