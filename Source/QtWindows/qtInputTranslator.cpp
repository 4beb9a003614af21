#include "QtWindows/qtInputTranslator.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "Settings/CommandIds.h"
#include "Scene/Input/ModifierCodes.h"
#include "Scene/Input/MouseBindings.h"

namespace {

constexpr int pressMode = 1;

constexpr int panView = CommandId::PanView;
constexpr int zoomView = CommandId::ZoomView;
constexpr int rotateView = CommandId::RotateView;

// Two buttons held together steer the view whatever the bindings say; with
// Alt, either chord zooms. Tested in this order, so all three buttons rotate.
struct Chord {
    Qt::MouseButtons buttons;
    int command;
};
const Chord chords[] = {
    {Qt::LeftButton | Qt::MiddleButton, rotateView},
    {Qt::LeftButton | Qt::RightButton, panView},
};

constexpr Qt::MouseButtons dragButtons = Qt::LeftButton | Qt::MiddleButton | Qt::RightButton;
constexpr Qt::MouseButtons knownButtons = dragButtons | Qt::XButton1 | Qt::XButton2;

struct ButtonRow {
    Qt::MouseButton button;
    int code;
};
// The button a single press reports when held with others: middle outweighs
// right, right outweighs left.
constexpr ButtonRow heldButtonPriority[] = {
    {Qt::MiddleButton, MouseButtonCode::Middle},
    {Qt::RightButton, MouseButtonCode::Right},
    {Qt::LeftButton, MouseButtonCode::Left},
};

// The extra buttons report themselves whatever else is held.
constexpr ButtonRow extraButtons[] = {
    {Qt::XButton1, MouseButtonCode::FirstExtra},
    {Qt::XButton2, MouseButtonCode::SecondExtra},
};
constexpr ButtonRow doubleClicks[] = {
    {Qt::LeftButton, MouseButtonCode::LeftDouble},
    {Qt::RightButton, MouseButtonCode::RightDouble},
    {Qt::MiddleButton, MouseButtonCode::MiddleDouble},
    {Qt::XButton1, MouseButtonCode::FirstExtraDouble},
    {Qt::XButton2, MouseButtonCode::SecondExtraDouble},
};

struct ModifierBit {
    Qt::KeyboardModifier toolkit;
    unsigned key;
};
// Keypad and group-switch bits are left out: they say where a key sits, not
// what the user holds.
constexpr ModifierBit modifierBits[] = {
    {Qt::ControlModifier, ModifierKeys::Ctrl},
    {Qt::AltModifier, ModifierKeys::Alt},
    {Qt::ShiftModifier, ModifierKeys::Shift},
    {Qt::MetaModifier, ModifierKeys::Meta},
};

unsigned heldModifierKeys(Qt::KeyboardModifiers modifiers)
{
    unsigned keys = 0;
    for (const ModifierBit& m : modifierBits)
        if (modifiers & m.toolkit)
            keys |= m.key;
    return keys;
}

// Shift+Tab arrives as Backtab.
constexpr int tabKeys[] = {Qt::Key_Tab, Qt::Key_Backtab};
// Keys that only modify others: their presses never reach the scene. Ctrl is
// not among them, so a Ctrl tap can be bound like any key.
constexpr int modifierOnlyKeys[] = {
    Qt::Key_Shift, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta, Qt::Key_Super_L, Qt::Key_Super_R,
    0, Qt::Key_unknown,
};

// Keys with scene operations of their own instead of bindings.
struct OwnKey {
    int key;
    void (qtInputTranslator::Sink::*operation)();
};
constexpr OwnKey ownKeys[] = {
    {Qt::Key_Return, &qtInputTranslator::Sink::confirm},
    {Qt::Key_Enter, &qtInputTranslator::Sink::confirm},
    {Qt::Key_Escape, &qtInputTranslator::Sink::cancel},
    {Qt::Key_Backspace, &qtInputTranslator::Sink::deleteSelection},
    {Qt::Key_Delete, &qtInputTranslator::Sink::deleteSelection},
};

template <class Table>
bool listed(const Table& table, int key)
{
    return std::find(std::begin(table), std::end(table), key) != std::end(table);
}

template <class Table>
int codeOf(const Table& table, Qt::MouseButton button, int otherwise)
{
    for (const auto& b : table)
        if (b.button == button)
            return b.code;
    return otherwise;
}

} // namespace

void qtInputTranslator::setViewportHeight(int height, double pixelRatio)
{
    height_ = height;
    pixelRatio_ = pixelRatio;
}

void qtInputTranslator::track(const QPointF& position)
{
    lastX = static_cast<int>(std::lround(position.x() * pixelRatio_));
    lastY = height_ - static_cast<int>(std::lround(position.y() * pixelRatio_));
}

bool qtInputTranslator::runChord(Qt::MouseButtons held, int modifiers)
{
    for (const Chord& c : chords) {
        if ((held & c.buttons) != c.buttons)
            continue;
        int command = modifiers == ModifierCode::Alt ? zoomView : c.command;
        if (sink_)
            sink_->executeCommand(command, std::string(), pressMode, lastX, lastY);
        return true;
    }
    return false;
}

void qtInputTranslator::mousePress(const QMouseEvent& event)
{
    track(event.position());
    // Buttons beyond the five have no code; they must not pass for the others held.
    if (!(event.button() & knownButtons))
        return;
    int modifiers = pressModifierCode(heldModifierKeys(event.modifiers()), tabHeld);
    // Tested on every button held, so pressing the second button of a chord starts it.
    if (runChord(event.buttons(), modifiers))
        return;
    int button = codeOf(extraButtons, event.button(), -1);
    for (const ButtonRow& h : heldButtonPriority)
        if (button < 0 && (event.buttons() & h.button))
            button = h.code;
    if (button >= 0 && sink_)
        sink_->mousePress(lastX, lastY, button, modifiers);
}

void qtInputTranslator::mouseDoubleClick(const QMouseEvent& event)
{
    track(event.position());
    if (sink_)
        sink_->mousePress(lastX, lastY, codeOf(doubleClicks, event.button(), MouseButtonCode::LeftDouble),
                          ModifierCode::None);
}

void qtInputTranslator::mouseMove(const QMouseEvent& event)
{
    track(event.position());
    if (!sink_)
        return;
    if (event.buttons() & dragButtons)
        sink_->mouseDrag(lastX, lastY);
    else if (event.buttons() == Qt::NoButton)
        sink_->mouseHover(lastX, lastY);
}

void qtInputTranslator::mouseRelease(const QMouseEvent& event)
{
    track(event.position());
    tabHeld = false;
    if (sink_)
        sink_->mouseRelease(lastX, lastY);
}

void qtInputTranslator::wheel(const QWheelEvent& event)
{
    track(event.position());
    int delta = event.angleDelta().y();
    // Some platforms turn Alt+wheel into horizontal scrolling; Alt+wheel is
    // still the vertical wheel here.
    if (delta == 0 && (event.modifiers() & Qt::AltModifier))
        delta = event.angleDelta().x();
    // A delta of zero counts as up, like any delta that is not negative.
    if (!sink_)
        return;
    int button = delta < 0 ? MouseButtonCode::WheelDown : MouseButtonCode::WheelUp;
    sink_->wheel(lastX, lastY, button, wheelModifierCode(heldModifierKeys(event.modifiers()), tabHeld));
}

int qtInputTranslator::pressedIndex(const QKeyEvent& event) const
{
    for (size_t i = down_.size(); i-- > 0;) {
        const PressedKey& p = down_[i];
        if (event.key() == p.key || (p.scanCode != 0 && event.nativeScanCode() == p.scanCode))
            return static_cast<int>(i);
    }
    return -1;
}

void qtInputTranslator::keyPress(QKeyEvent& event)
{
    event.accept();
    int key = event.key();
    if (listed(tabKeys, key)) {
        tabHeld = true;
        return;
    }
    for (const OwnKey& own : ownKeys) {
        if (own.key != key)
            continue;
        // One action per press: a held Delete must not delete again and again.
        if (!event.isAutoRepeat() && sink_)
            (sink_->*own.operation)();
        return;
    }
    if (listed(modifierOnlyKeys, key))
        return;
    int modifiers = pressModifierCode(heldModifierKeys(event.modifiers()), tabHeld);
    if (!event.isAutoRepeat()) {
        keyHeld = false;
        int again = pressedIndex(event);
        if (again >= 0)
            down_.erase(down_.begin() + again);
        down_.push_back({key, event.nativeScanCode()});
        if (sink_)
            sink_->keyPress(key, modifiers);
        return;
    }
    // Only the first repeat of the latest key tells the scene that it is held.
    if (keyHeld || down_.empty() || pressedIndex(event) != static_cast<int>(down_.size()) - 1)
        return;
    keyHeld = true;
    if (sink_)
        sink_->keyHold(down_.back().key, modifiers);
}

void qtInputTranslator::keyRelease(QKeyEvent& event)
{
    event.accept();
    if (event.isAutoRepeat())
        return;
    if (listed(tabKeys, event.key())) {
        tabHeld = false;
        return;
    }
    // Releases of keys whose press the scene never saw (modifiers, Return,
    // keys pressed before the viewport had the focus) end nothing.
    int index = pressedIndex(event);
    if (index < 0)
        return;
    int key = down_[static_cast<size_t>(index)].key;
    bool latest = index == static_cast<int>(down_.size()) - 1;
    bool held = latest && keyHeld;
    down_.erase(down_.begin() + index);
    if (latest)
        keyHeld = false;
    if (!sink_)
        return;
    if (held)
        sink_->keyReleaseAfterHold(key);
    else
        sink_->keyReleaseAfterTap(key);
}
