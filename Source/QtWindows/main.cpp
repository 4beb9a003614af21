// Starts Tavo: the GL format, the application, GLUT and the main window.
#include <QApplication>

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

    // The first argument left after the toolkit took its own is the start-up
    // argument (typically a scene file to open).
    QStringList arguments = QApplication::arguments();
    std::string startupArgument = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();

    qtTavoApplicationWindow window(startupArgument);
    window.show();
    return app.exec();
}
