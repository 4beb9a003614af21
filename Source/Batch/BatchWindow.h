#pragma once
// The headless window: no display, every message printed as a line of
// text, every question answered with one fixed answer.
#include <ostream>
#include <string>

#include "Scene/TavoApplicationWindow.h"

class Scene;

class BatchWindow : public TavoApplicationWindow {
public:
    // out: where "status: TEXT" and "ask: TEXT" lines go; answer: what every
    // question with more than an "OK" gets (an Answer value).
    BatchWindow(std::ostream& out, int answer) : out_(out), answer_(answer) {}

    int executeCommand(int commandId, const std::string& argument, int mode, int x, int y) override;
    // OK-only questions get 1, the others the fixed answer.
    int ask(const std::string& message, bool okOnly) override;
    void showStatus(const std::string& message) override;
    // A nominal size, so that code measuring the viewport has one.
    void viewportSize(int& outWidth, int& outHeight) override;

    Scene* scene = nullptr; // where commands go; none run while null

    static constexpr int ViewportWidth = 800;
    static constexpr int ViewportHeight = 600;

private:
    std::ostream& out_;
    int answer_;
};
