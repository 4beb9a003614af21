#pragma once
// The creation-properties window: the option group of a primitive, edited
// live. When the primitive was created just before the window opened (a held
// creation key, "Create Properties", the window's own create button), each
// change undoes that creation and creates the primitive again from the new
// values, so that the object on screen follows the fields.
#include <QObject>

#include <functional>

#include "QtWindows/qxToolOptions.h"

class OptionGroup;
class QMainWindow;
class Scene;
class Shape;

class qtCreationProperties : public QObject {
    Q_OBJECT

public:
    // scene: the real scene, or null (stand-ins), looked up when needed.
    qtCreationProperties(QMainWindow* window, qxToolOptions::Links links, std::function<Scene*()> scene);

    // Every repeatable command, as it starts: a creation followed only by
    // commands that open this window makes its object live.
    void commandStarted(int commandId);
    void showGroup(OptionGroup& group, const LengthUnits& units);

    qxToolOptions* dock() const { return dock_; }
    // The object the fields re-create; null when none is live.
    const Shape* liveObject() const { return live_; }

private:
    void recreate();
    // The scene's newest object; null when none.
    Shape* newestObject() const;

    qxToolOptions* dock_;
    std::function<void(int)> run_;
    std::function<Scene*()> scene_;
    int lastCreation_ = -1; // the creation that ran last, unless other commands followed
    Shape* live_ = nullptr; // only compared, never followed: it may be gone
};
