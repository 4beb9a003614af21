// Starts Tavo: the GL format, the application, GLUT and the main window.
#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <ctime>
#include <string>

#include "Mesh/OutOfMemory.h"
#include "qtTavoApplicationWindow.h"
#include "qtTavoGLWidget.h"
#include "qtTavoLook.h"

int main(int argc, char** argv)
{
    installOutOfMemoryHandler();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    qtTavoGLWidget::setDefaultSurfaceFormat();
    QApplication app(argc, argv);
    applyTavoLook(app);
    qtTavoGLWidget::initializeGlut(argc, argv);

    // "--screenshot PATH" saves the window as it first shows to PATH and
    // quits: the pictures in the documentation are made this way.
    QStringList arguments = QApplication::arguments();
    QString screenshot;
    if (int at = arguments.indexOf("--screenshot"); at > 0 && at + 1 < arguments.size()) {
        screenshot = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    // The first argument left after the toolkit took its own is the start-up
    // argument (typically a scene file to open).
    std::string startupArgument = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();

    qtTavoApplicationWindow window(startupArgument);
    window.show();
    if (!screenshot.isEmpty())
        QTimer::singleShot(500, &window, [&] {
            window.redraw();
            app.exit(window.grab().save(screenshot) ? 0 : 1);
        });
    return app.exec();
}
