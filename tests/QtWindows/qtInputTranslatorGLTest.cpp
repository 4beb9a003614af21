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
#include <vector>

#include "QtWindows/qtInputTranslator.h"
#include "support/GLTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int height = 100;

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
    void click(Qt::MouseButton button, Qt::KeyboardModifiers mods = {})
    {
        press(10, 20, button, button, mods);
        release(10, 20, button);
    }
    void turn(QPoint angleDelta, Qt::KeyboardModifiers mods = {})
    {
        QWheelEvent e(QPointF(5, 95), QPointF(5, 95), QPoint(), angleDelta, Qt::NoButton, mods, Qt::NoScrollPhase,
                      false);
        input.wheel(e);
    }
    void key(QEvent::Type type, int k, Qt::KeyboardModifiers mods, bool autoRepeat, quint32 scanCode)
    {
        QKeyEvent e(type, k, mods, scanCode, 0, 0, QString(), autoRepeat);
        type == QEvent::KeyPress ? input.keyPress(e) : input.keyRelease(e);
    }
    void keyDown(int k, Qt::KeyboardModifiers mods = {}, bool autoRepeat = false, quint32 scanCode = 0)
    {
        key(QEvent::KeyPress, k, mods, autoRepeat, scanCode);
    }
    void keyUp(int k, Qt::KeyboardModifiers mods = {}, bool autoRepeat = false, quint32 scanCode = 0)
    {
        key(QEvent::KeyRelease, k, mods, autoRepeat, scanCode);
    }
    // A held key as X11 delivers it: each repeat is a release and a press,
    // both marked as auto-repeats.
    void repeat(int key, int times)
    {
        for (int i = 0; i < times; ++i) {
            keyUp(key, {}, true);
            keyDown(key, {}, true);
        }
    }
    void tap(int key, Qt::KeyboardModifiers mods = {})
    {
        keyDown(key, mods);
        keyUp(key, mods);
    }

    RecordingSink sink;
    qtInputTranslator input{&sink};
};

std::string pressCall(int button, int modifiers)
{
    return "press 10 80 " + std::to_string(button) + " " + std::to_string(modifiers);
}

} // namespace

TEST_F(qtInputTranslatorTest, PressAndReleaseFlipYAndScaleByThePixelRatio)
{
    press(10, 30, Qt::LeftButton, Qt::LeftButton);
    release(12, 99, Qt::LeftButton);
    EXPECT_THAT(take(), ElementsAre("press 10 70 0 0", "release 12 1"));
    EXPECT_EQ(input.lastX, 12);
    EXPECT_EQ(input.lastY, 1);
    input.setViewportHeight(200, 2.0);
    press(10, 30, Qt::LeftButton, Qt::LeftButton);
    EXPECT_THAT(take(), ElementsAre("press 20 140 0 0"));
}

TEST_F(qtInputTranslatorTest, PressesCarryTheButtonAndModifierCodes)
{
    const std::pair<Qt::MouseButton, int> buttons[] = {
        {Qt::LeftButton, 0}, {Qt::MiddleButton, 1}, {Qt::RightButton, 2}, {Qt::XButton1, 3}, {Qt::XButton2, 4}};
    for (auto [button, code] : buttons) {
        click(button);
        EXPECT_THAT(take(), ElementsAre(pressCall(code, 0), "release 10 80")) << code;
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
}

TEST_F(qtInputTranslatorTest, DoubleClickFollowsItsPressWithTheDoubleCode)
{
    press(10, 20, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    release(10, 20, Qt::LeftButton);
    doubleClick(10, 20, Qt::LeftButton, Qt::ShiftModifier);
    release(10, 20, Qt::LeftButton);
    EXPECT_THAT(take(), ElementsAre(pressCall(0, 4), "release 10 80", pressCall(7, 0), "release 10 80"));
    const std::pair<Qt::MouseButton, int> doubles[] = {
        {Qt::MiddleButton, 8}, {Qt::RightButton, 9}, {Qt::XButton1, 10}, {Qt::XButton2, 11}, {Qt::NoButton, 7}};
    for (auto [button, code] : doubles) {
        doubleClick(10, 20, button, Qt::ControlModifier);
        EXPECT_THAT(take(), ElementsAre(pressCall(code, 0))) << code;
    }
}

TEST_F(qtInputTranslatorTest, ChordsRunViewCommandsInsteadOfPresses)
{
    press(10, 20, Qt::LeftButton, Qt::LeftButton);
    press(11, 21, Qt::MiddleButton, Qt::LeftButton | Qt::MiddleButton);
    EXPECT_THAT(take(), ElementsAre(pressCall(0, 0), "execute 9013 1 11 79"));
    press(10, 20, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    press(10, 20, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    EXPECT_THAT(take(), ElementsAre("execute 9011 1 10 80", "execute 9011 1 10 80"));
    press(10, 20, Qt::MiddleButton, Qt::LeftButton | Qt::MiddleButton, Qt::AltModifier);
    press(10, 20, Qt::RightButton, Qt::LeftButton | Qt::RightButton, Qt::AltModifier);
    EXPECT_THAT(take(), ElementsAre("execute 9012 1 10 80", "execute 9012 1 10 80"));
    // Alt is the only modifier that changes a chord.
    press(10, 20, Qt::MiddleButton, Qt::LeftButton | Qt::MiddleButton, Qt::ControlModifier);
    press(10, 20, Qt::RightButton, Qt::LeftButton | Qt::MiddleButton | Qt::RightButton);
    EXPECT_THAT(take(), ElementsAre("execute 9013 1 10 80", "execute 9013 1 10 80"));
}

TEST_F(qtInputTranslatorTest, MovesDragWithAMainButtonAndHoverWithNone)
{
    move(1, 2, Qt::NoButton);
    move(3, 4, Qt::LeftButton);
    move(5, 6, Qt::RightButton | Qt::XButton1);
    move(7, 8, Qt::MiddleButton);
    move(9, 10, Qt::XButton1 | Qt::XButton2);
    EXPECT_THAT(take(), ElementsAre("hover 1 98", "drag 3 96", "drag 5 94", "drag 7 92"));
    EXPECT_EQ(input.lastY, 90);
}

// Meta on the wheel is no modifier, unlike on a press; sideways scrolling
// turns the wheel only with Alt.
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
                                    "wheel 5 5 6 2"));
}

// Meta counts as Ctrl on keys; Ctrl, Alt and Shift together as nothing.
TEST_F(qtInputTranslatorTest, KeysAreTappedOrHeldOnceUntilTheirReleaseOrANewPress)
{
    tap(Qt::Key_E, Qt::MetaModifier);
    tap(Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 1", "keyReleaseAfterTap 69", "keyPress 69 0", "keyReleaseAfterTap 69"));
    keyDown(Qt::Key_E);
    repeat(Qt::Key_E, 4);
    EXPECT_TRUE(input.keyHeld);
    keyUp(Qt::Key_E);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 0", "keyHold 69 0", "keyReleaseAfterHold 69"));
    keyDown(Qt::Key_E);
    repeat(Qt::Key_E, 2);
    keyDown(Qt::Key_W);
    keyUp(Qt::Key_E);
    keyUp(Qt::Key_W);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 0", "keyHold 69 0", "keyPress 87 0", "keyReleaseAfterTap 87"));
}

TEST_F(qtInputTranslatorTest, ReleaseMatchesThePhysicalKeyPressedHere)
{
    keyUp(Qt::Key_E);
    keyDown(Qt::Key_E, {}, true);
    EXPECT_THAT(take(), IsEmpty()) << "keys never pressed here";
    // Shift+1 goes down as "!" and, with Shift let go first, comes up as "1".
    keyDown(Qt::Key_Exclam, Qt::ShiftModifier, false, 10);
    keyUp(Qt::Key_1, {}, false, 10);
    EXPECT_THAT(take(), ElementsAre("keyPress 33 4", "keyReleaseAfterTap 33"));
}

TEST_F(qtInputTranslatorTest, ReturnEscapeAndDeleteRunTheirOperationsOncePerPress)
{
    const int keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete};
    for (int key : keys) {
        keyDown(key);
        repeat(key, 2);
        keyUp(key);
    }
    EXPECT_THAT(take(), ElementsAre("confirm", "confirm", "cancel", "deleteSelection", "deleteSelection"));
}

TEST_F(qtInputTranslatorTest, ModifierKeysAloneReachNoBinding)
{
    const int keys[] = {Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_Tab};
    for (int key : keys)
        tap(key);
    EXPECT_THAT(take(), IsEmpty());
    // Ctrl is a key like any other; the toolkit counts it as held in its own press.
    tap(Qt::Key_Control);
    EXPECT_THAT(take(), ElementsAre("keyPress 16777249 1", "keyReleaseAfterTap 16777249"));
    // Every key event is accepted, bound or not.
    for (int key : {Qt::Key_E, Qt::Key_Shift, Qt::Key_Escape}) {
        QKeyEvent e(QEvent::KeyPress, key, {});
        e.ignore();
        input.keyPress(e);
        EXPECT_TRUE(e.isAccepted()) << key;
    }
}

TEST_F(qtInputTranslatorTest, TabHeldMakesEveryCodeTabUntilReleased)
{
    keyDown(Qt::Key_Tab);
    repeat(Qt::Key_Tab, 2);
    tap(Qt::Key_E, Qt::ControlModifier);
    turn(QPoint(0, 120), Qt::ShiftModifier);
    press(10, 20, Qt::LeftButton, Qt::LeftButton, Qt::AltModifier);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 8", "keyReleaseAfterTap 69", "wheel 5 5 5 8", pressCall(0, 8)));
    keyUp(Qt::Key_Tab);
    tap(Qt::Key_E, Qt::ControlModifier);
    EXPECT_THAT(take(), ElementsAre("keyPress 69 1", "keyReleaseAfterTap 69"));
    // A mouse release and Backtab end it too.
    keyDown(Qt::Key_Tab);
    release(10, 20, Qt::LeftButton);
    EXPECT_FALSE(input.tabHeld);
    keyDown(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(input.tabHeld);
    keyUp(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(input.tabHeld);
}
