#pragma once
// The scene as the native text format writes it: the one place tests turn a
// whole scene into comparable text.
#include <string>

class Scene;

std::string sceneAsText(Scene& scene);
