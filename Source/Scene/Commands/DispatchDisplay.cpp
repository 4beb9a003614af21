// Commands the display manager carries out: views, layouts, button pages,
// view navigation and reference images.
#include "Scene/Commands/CommandRoutes.h"
#include "Scene/View/SceneDisplayManager.h"

namespace {

using Display = SceneDisplayManager;

constexpr CommandValue views[] = {
    {24, 0}, {25, 1}, {26, 2}, {27, 3}, {28, 4}, {29, 5}, {31, 6}, {30, 7}, {260, 8}, {261, 9},
};

void setView(const CommandCall& call) { call.managers.displayManager->setView(findValue(views, call.id)); }

constexpr CommandValue layouts[] = {{92, 0}, {91, 1}, {94, 2}, {93, 3}, {255, 4}, {256, 5}};

void setLayout(const CommandCall& call) { call.managers.displayManager->setLayout(findValue(layouts, call.id)); }

constexpr int firstButtonPage = 151; // "Button Page 1"

void setButtonPage(const CommandCall& call) { call.managers.displayManager->setButtonPage(call.id - firstButtonPage); }

struct DisplayOperation {
    int id;
    void (Display::*operation)();
};

constexpr DisplayOperation displayOperations[] = {
    {21, &Display::toggleWalkthrough},
    {51, &Display::makeSceneLightsDefault},
    {127, &Display::focusSelection},
    {132, &Display::toggleButtons},
    {133, &Display::previousButtonPage},
    {134, &Display::nextButtonPage},
    {144, &Display::setViewportImage},
    {146, &Display::deleteViewportImage},
    {180, &Display::frameSelection},
    {228, &Display::zoomIn},
    {229, &Display::zoomOut},
    {9014, &Display::toggleAlternativeViewManipulation},
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

constexpr CommandRoute routes[] = {
    {24, 31, setView},              {260, 261, setView},
    {91, 94, setLayout},            {255, 256, setLayout},
    {151, 159, setButtonPage},
    {21, 21, runDisplayOperation},  {51, 51, runDisplayOperation},  {127, 127, runDisplayOperation},
    {132, 134, runDisplayOperation}, {144, 144, runDisplayOperation}, {146, 146, runDisplayOperation},
    {180, 180, runDisplayOperation}, {228, 229, runDisplayOperation}, {9014, 9014, runDisplayOperation},
    {23, 23, cycleShadingForward},  {57, 57, cycleShadingReverse},
    {9011, 9011, startPan},         {9012, 9012, startZoom},        {9013, 9013, startRotate},
};

} // namespace

std::span<const CommandRoute> displayRoutes() { return routes; }
