#pragma once
// The real scene behind the main window's link: it reads the user's
// preferences (or the shipped defaults on a first start) and writes the
// user's files at close.
#include <memory>
#include <string>

#include "QtWindows/qtTavoGLWidget.h"

class TavoApplicationWindow;

std::unique_ptr<SceneLink> makeLinkedScene(TavoApplicationWindow* window, const std::string& startupArgument);
