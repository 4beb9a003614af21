// Commands the display manager carries out: views, layouts, button pages,
// view navigation and reference images.
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/View/SceneDisplayManager.h"

namespace {

using Display = SceneDisplayManager;

constexpr CommandValue views[] = {
    {CommandId::LeftOrthographicView, 0},
    {CommandId::RightOrthographicView, 1},
    {CommandId::FrontOrthographicView, 2},
    {CommandId::BackOrthographicView, 3},
    {CommandId::TopOrthographicView, 4},
    {CommandId::BottomOrthographicView, 5},
    {CommandId::FreeOrthographicView, 6},
    {CommandId::FreePerspectiveView, 7},
    {CommandId::UV2DView, 8},
    {CommandId::UV3DView, 9},
};

void setView(const CommandCall& call) { call.managers.displayManager->setView(findValue(views, call.id)); }

constexpr CommandValue layouts[] = {{CommandId::SingleViewLayout, 0},     {CommandId::FourViewLayout, 1},
                                    {CommandId::VerticalSplitLayout, 2},  {CommandId::HorizontalSplitLayout, 3},
                                    {CommandId::ThreeViewLayoutRight, 4}, {CommandId::ThreeViewLayoutLeft, 5}};

void setLayout(const CommandCall& call) { call.managers.displayManager->setLayout(findValue(layouts, call.id)); }

constexpr int firstButtonPage = CommandId::ButtonPage1; // "Button Page 1"

void setButtonPage(const CommandCall& call) { call.managers.displayManager->setButtonPage(call.id - firstButtonPage); }

struct DisplayOperation {
    int id;
    void (Display::*operation)();
};

constexpr DisplayOperation displayOperations[] = {
    {CommandId::WalkthroughModeToggle, &Display::toggleWalkthrough},
    {CommandId::MakeSceneLightsDefault, &Display::makeSceneLightsDefault},
    {CommandId::FocusSelection, &Display::focusSelection},
    {CommandId::ShowButtonsToggle, &Display::toggleButtons},
    {CommandId::PreviousButtonPage, &Display::previousButtonPage},
    {CommandId::NextButtonPage, &Display::nextButtonPage},
    {CommandId::SetViewportImage, &Display::setViewportImage},
    {CommandId::DeleteViewportImage, &Display::deleteViewportImage},
    {CommandId::FrameSelection, &Display::frameSelection},
    {CommandId::ZoomViewIn, &Display::zoomIn},
    {CommandId::ZoomViewOut, &Display::zoomOut},
    {CommandId::OstraStyleViewManipulation, &Display::toggleAlternativeViewManipulation},
};

void runDisplayOperation(const CommandCall& call)
{
    for (const DisplayOperation& o : displayOperations)
        if (o.id == call.id)
            (call.managers.displayManager->*o.operation)();
}

void cycleShadingForward(const CommandCall& call) { call.managers.displayManager->cycleShading(true); }
void cycleShadingReverse(const CommandCall& call) { call.managers.displayManager->cycleShading(false); }

void startPan(const CommandCall& call) { call.managers.displayManager->startPan(call.x, call.y); }
void startZoom(const CommandCall& call) { call.managers.displayManager->startZoom(call.x, call.y); }
void startRotate(const CommandCall& call) { call.managers.displayManager->startRotate(call.x, call.y); }

constexpr RouteHandler handlers[] = {
    {Route::SetView, setView},
    {Route::SetLayout, setLayout},
    {Route::SetButtonPage, setButtonPage},
    {Route::RunDisplayOperation, runDisplayOperation},
    {Route::CycleShadingForward, cycleShadingForward},
    {Route::CycleShadingReverse, cycleShadingReverse},
    {Route::StartPan, startPan},
    {Route::StartZoom, startZoom},
    {Route::StartRotate, startRotate},
};

} // namespace

std::span<const RouteHandler> displayHandlers() { return handlers; }
