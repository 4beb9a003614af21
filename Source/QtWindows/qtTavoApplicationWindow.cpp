// The core's headers come before any Qt header: Qt's keyword macros
// ("slots", "signals", "emit") would otherwise rewrite names in them.
#include "Scene/Commands/CommandTable.h"
#include "Scene/Scene.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneToolManager.h"
#include "Settings/OptionGroup.h"
#include "Settings/LengthUnits.h"
#include "Settings/UserFolders.h"
#include "Settings/WindowData.h"
#include "Tools/Paint/DisplacementTool.h"

#include "qtTavoApplicationWindow.h"
#include "qtCommandMenus.h"
#include "qtContextHelp.h"
#include "qtCreationProperties.h"
#include "qtLinkedScene.h"
#include "qtSceneInfo.h"
#include "qtToggleStates.h"
#include "qxBrushEditor.h"
#include "qxToolOptions.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QTimer>

#include "qtTavoGLWidget.h"

namespace {
const char* const ProgramName = "Tavo";
constexpr int InitialWidth = 1024;
constexpr int InitialHeight = 768;
constexpr int ProgramCursorCount = 4;
constexpr int ProgressSteps = 1000;

// What image dialogs offer before the single types.
const char* const ImagesFilter = "Images (*.png *.jpg *jpeg *.bmp *.tga *.gif *.tif *tiff)";
const char* const ImageExtensions[] = {"png", "jpg", "jpeg", "bmp", "tga", "gif", "tif", "tiff"};
// What the brush editor offers for a falloff image.
const std::vector<FileType> falloffImageTypes = {
    {"png", "PNG Image"}, {"jpg", "JPEG Image"}, {"bmp", "BMP Image"}, {"tga", "TGA Image"}, {"tif", "TIFF Image"}};

bool allImages(const std::vector<FileType>& types)
{
    auto isImage = [](const FileType& t) {
        return std::ranges::find(ImageExtensions, t.extension) != std::end(ImageExtensions);
    };
    return !types.empty() && std::ranges::all_of(types, isImage);
}

// Group actions that apply a changed option group at once.
bool appliesSettings(int command)
{
    return command == CommandId::ApplySoftSelection ||
           (command >= CommandId::FirstRefresh && command < CommandId::FirstRefresh + 5);
}

// The program's own cursors come from the resource folder as
// "cursor1.png" … "cursor4.png"; a missing one falls back to a cross.
QCursor programCursor(int shape)
{
    QPixmap image(QString("%1/Cursors/cursor%2.png").arg(TAVO_RESOURCE_DIR).arg(shape));
    if (image.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(image);
}
}

qtTavoApplicationWindow::qtTavoApplicationWindow(const std::string& startupArgument, const SceneFactory& makeScene)
{
    setWindowTitle(ProgramName);
    resize(InitialWidth, InitialHeight);
    glWidget_ = new qtTavoGLWidget(this);
    setCentralWidget(glWidget_);
    buildMenus();
    buildDocks();
    statusBar()->showMessage(QString());
    progress_ = new QProgressBar(this);
    progress_->setRange(0, ProgressSteps);
    progress_->setMaximumWidth(200);
    progress_->hide();
    statusBar()->addPermanentWidget(progress_);

    scene_ = makeScene ? makeScene(this, startupArgument) : makeLinkedScene(this, startupArgument);
    glWidget_->setScene(scene_.get());
    glWidget_->setFocus();
    if (scene_)
        scene_->start();
    menus_->updateShortcutTexts(); // the key bindings came with the preferences
    ownsRealScene_ = !makeScene;
    if (ownsRealScene_) {
        UserFolders folders = userFolders(folderEnvironmentOfProcess());
        toolOptions_->setPresetFolders(userPresetsFolder(folders), shippedPresetsFolder(folders));
        restoreWindowLayout();
    }
}

void qtTavoApplicationWindow::restoreWindowLayout()
{
    std::vector<char> block;
    if (loadWindowData(windowDataFile(userFolders(folderEnvironmentOfProcess())), block))
        restoreState(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
}

void qtTavoApplicationWindow::saveWindowLayout()
{
    UserFolders folders = userFolders(folderEnvironmentOfProcess());
    if (!ensureFolder(windowDataFile(folders).parent_path()))
        return;
    QByteArray state = saveState();
    saveWindowData(windowDataFile(folders), std::vector<char>(state.begin(), state.end()));
}

qtTavoApplicationWindow::~qtTavoApplicationWindow()
{
    // The docks outlive the scene while the window's base is torn down.
    QObject::disconnect(toolOptions_, nullptr, this, nullptr);
    QObject::disconnect(creation_->dock(), nullptr, this, nullptr);
    QObject::disconnect(brushEditor_, nullptr, this, nullptr);
    QObject::disconnect(glWidget_, nullptr, brushEditor_, nullptr);
    // The scene may give back GL objects, and the viewport must not reach a
    // scene that is gone.
    glWidget_->setScene(nullptr);
    glWidget_->makeCurrent();
    scene_.reset();
    glWidget_->doneCurrent();
}

void qtTavoApplicationWindow::buildMenus()
{
    menus_ = new qtCommandMenus(
        menuBar(), [this](int id) { executeCommand(id, "", 0, 0, 0); },
        [this]() -> const KeyBindings* {
            Scene* s = scene();
            return s ? &s->applicationManager->keyBindings : nullptr;
        },
        [this](int id) -> std::optional<bool> {
            Scene* s = scene();
            return s ? toggleState(*s, id) : std::nullopt;
        });
    recentMenu_ = menus_->recentFilesMenu();
    showRecentFiles({});
    // The context help describes each command as the user points at it.
    connect(menus_, &qtCommandMenus::hovered, this, [this](int id) {
        if (help_ && help_->isVisible())
            help_->showCommand(id);
    });
}

void qtTavoApplicationWindow::buildDocks()
{
    qxToolOptions::Links links{[this](int id) { executeCommand(id, "", 0, 0, 0); },
                               [this](const std::string& question) { return ask(question, false) == Yes; }};
    toolOptions_ = new qxToolOptions("Tool Options", links, this);
    addDockWidget(Qt::RightDockWidgetArea, toolOptions_);
    toolOptions_->hide();
    connect(toolOptions_, &qxToolOptions::valueChanged, this, &qtTavoApplicationWindow::applyToolOptions);
    // A value tool switches the window's group only while the user keeps it open.
    connect(toolOptions_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (Scene* s = scene())
            s->applicationManager->toolOptionsVisible = visible;
    });
    creation_ = new qtCreationProperties(this, links, [this] { return scene(); });
    connect(creation_->dock(), &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (Scene* s = scene())
            s->applicationManager->creationPropertiesVisible = visible;
    });
    help_ = new qtContextHelp(this);
    addDockWidget(Qt::RightDockWidgetArea, help_);
    help_->hide();

    qxBrushEditor::Links brushLinks{
        [this]() -> DisplacementTool* {
            Scene* s = scene();
            return s ? &s->toolManager->displacementTool() : nullptr;
        },
        [this] { return chooseFile(false, "Choose Falloff Image", falloffImageTypes); },
        [this] {
            SettingsRegistry* registry = settings();
            return registry ? lengthUnitsOf(*registry) : LengthUnits{};
        }};
    brushEditor_ = new qxBrushEditor(brushLinks, this);
    addDockWidget(Qt::RightDockWidgetArea, brushEditor_);
    brushEditor_->hide();
    // A changed brush changes the circle and its name; the scene shows it on its next draw.
    connect(brushEditor_, &qxBrushEditor::brushesEdited, this, [this] {
        glWidget_->followBrushCursor();
        redraw();
    });
    // A brush key or a size drag in the viewport changes the brushes too.
    connect(glWidget_, &qtTavoGLWidget::inputHandled, brushEditor_, &qxBrushEditor::poll);
}

Scene* qtTavoApplicationWindow::scene() const
{
    return scene_ ? scene_->scene() : nullptr;
}

SettingsRegistry* qtTavoApplicationWindow::settings() const
{
    Scene* s = scene();
    return s ? &s->applicationManager->registry : nullptr;
}

void qtTavoApplicationWindow::applyToolOptions()
{
    OptionGroup* group = toolOptions_->group();
    if (group && appliesSettings(group->optionsCommand()))
        executeCommand(group->optionsCommand(), "", 0, 0, 0);
    redraw();
}

void qtTavoApplicationWindow::commandStarted(int commandId)
{
    creation_->commandStarted(commandId);
}

void qtTavoApplicationWindow::showOptions(int groupId)
{
    SettingsRegistry* registry = settings();
    OptionGroup* group = registry ? registry->findGroup(groupId) : nullptr;
    if (group)
        toolOptions_->showGroup(*group, lengthUnitsOf(*registry));
    else
        toolOptions_->show();
}

void qtTavoApplicationWindow::showCreationProperties(int groupId)
{
    SettingsRegistry* registry = settings();
    OptionGroup* group = registry ? registry->findGroup(groupId) : nullptr;
    if (group)
        creation_->showGroup(*group, lengthUnitsOf(*registry));
    else
        creation_->dock()->show();
}

void qtTavoApplicationWindow::showEditor(int commandId)
{
    if (commandId == CommandId::SceneInfo) {
        if (Scene* s = scene())
            ask(sceneInfoText(*s).toStdString(), true);
        return;
    }
    if (commandId == CommandId::BrushEditor) {
        brushEditor_->show();
        brushEditor_->raise();
        brushEditor_->refresh();
        return;
    }
    // The settings editors edit the option group of their command.
    SettingsRegistry* registry = settings();
    if (registry && registry->findGroup(commandId))
        showOptions(commandId);
    else
        showStatus(notAvailableMessage(commandId));
}

void qtTavoApplicationWindow::showHelp(int commandId)
{
    if (commandId == CommandId::ContextHelp)
        help_->showCommand(CommandId::ContextHelp);
    else
        showStatus(notAvailableMessage(commandId));
}

void qtTavoApplicationWindow::showRecentFiles(const std::vector<std::string>& paths)
{
    recentMenu_->clear();
    auto add = [this](const QString& label, int id) {
        connect(recentMenu_->addAction(label), &QAction::triggered, this, [this, id] { executeCommand(id, "", 0, 0, 0); });
    };
    for (size_t i = 0; i < paths.size(); ++i)
        add(QString::fromStdString(paths[i]), CommandId::FirstRecentFile + static_cast<int>(i));
    recentMenu_->addSeparator();
    std::string_view clear = commandMenuLabel(CommandId::ClearFileHistory);
    add(QString::fromUtf8(clear.data(), static_cast<qsizetype>(clear.size())), CommandId::ClearFileHistory);
}

void qtTavoApplicationWindow::showProgress(double fraction)
{
    if (fraction < 0) {
        progress_->hide();
        return;
    }
    progress_->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * ProgressSteps));
    progress_->show();
    // Paints the bar and keeps the window alive; clicks and keys wait, so
    // that nothing runs against a scene that is half read.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool qtTavoApplicationWindow::saveScreenshot(const std::string& path)
{
    QImage image = glWidget_->grabFramebuffer();
    return !image.isNull() && image.save(QString::fromStdString(path));
}

bool qtTavoApplicationWindow::readImage(const std::string& path, int& width, int& height,
                                        std::vector<unsigned char>& rgba)
{
    QImage image(QString::fromStdString(path));
    if (image.isNull())
        return false;
    // GL takes the bottom row first; the file keeps the top row first.
    image = image.convertToFormat(QImage::Format_RGBA8888).mirrored(false, true);
    width = image.width();
    height = image.height();
    const qsizetype row = static_cast<qsizetype>(width) * 4;
    rgba.resize(static_cast<size_t>(row) * height);
    for (int y = 0; y < height; ++y)
        std::copy_n(image.constScanLine(y), row, rgba.data() + static_cast<size_t>(row) * y);
    return true;
}

void qtTavoApplicationWindow::requestClose()
{
    // Queued, so that the command that asked has finished before the scene is closed.
    QTimer::singleShot(0, this, &QWidget::close);
}

int qtTavoApplicationWindow::executeCommand(int commandId, const std::string& argument, int mode, int x, int y)
{
    if (!scene_)
        return 0;
    glWidget_->makeSceneContextCurrent();
    return scene_->executeCommand(commandId, argument, mode, x, y);
}

void qtTavoApplicationWindow::redraw()
{
    glWidget_->redrawNow();
    // A command may have changed the brushes (a nudge, a brush key).
    brushEditor_->poll();
}

int qtTavoApplicationWindow::ask(const std::string& message, bool okOnly)
{
    QString text = QString::fromStdString(message);
    if (okOnly) {
        QMessageBox::information(this, ProgramName, text, QMessageBox::Ok);
        return Yes;
    }
    QMessageBox::StandardButton answer = QMessageBox::question(
        this, ProgramName, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return Yes;
    if (answer == QMessageBox::No)
        return No;
    return Cancel;
}

void qtTavoApplicationWindow::showStatus(const std::string& message)
{
    statusBar()->showMessage(QString::fromStdString(message));
}

void qtTavoApplicationWindow::viewportSize(int& width, int& height)
{
    width = glWidget_->framebufferWidth();
    height = glWidget_->framebufferHeight();
}

void qtTavoApplicationWindow::setTitle(const std::string& title)
{
    setWindowTitle(QString::fromStdString(title));
}

bool qtTavoApplicationWindow::isMaximized()
{
    return QMainWindow::isMaximized();
}

bool qtTavoApplicationWindow::isMinimized()
{
    return QMainWindow::isMinimized();
}

void qtTavoApplicationWindow::windowSize(int& width, int& height)
{
    width = size().width();
    height = size().height();
}

void qtTavoApplicationWindow::windowPosition(int& x, int& y)
{
    x = pos().x();
    y = pos().y();
}

void qtTavoApplicationWindow::resizeWindow(int width, int height)
{
    resize(width, height);
}

void qtTavoApplicationWindow::moveWindow(int x, int y)
{
    move(x, y);
}

void qtTavoApplicationWindow::showMaximized()
{
    QMainWindow::showMaximized();
}

void qtTavoApplicationWindow::screenSize(int& width, int& height)
{
    QScreen* s = screen();
    width = s ? s->size().width() : 0;
    height = s ? s->size().height() : 0;
}

std::vector<unsigned char> qtTavoApplicationWindow::saveDockState()
{
    QByteArray state = saveState();
    return std::vector<unsigned char>(state.begin(), state.end());
}

void qtTavoApplicationWindow::restoreDockState(const std::vector<unsigned char>& state)
{
    restoreState(QByteArray(reinterpret_cast<const char*>(state.data()), static_cast<qsizetype>(state.size())));
}

void qtTavoApplicationWindow::setCursorShape(int shape)
{
    if (shape >= 1 && shape <= ProgramCursorCount)
        glWidget_->setCursor(programCursor(shape));
    else
        glWidget_->setCursor(Qt::ArrowCursor);
}

void qtTavoApplicationWindow::setBusyCursor(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void qtTavoApplicationWindow::closeEvent(QCloseEvent* event)
{
    glWidget_->makeSceneContextCurrent();
    if (scene_ && !scene_->close()) {
        event->ignore();
        return;
    }
    if (ownsRealScene_)
        saveWindowLayout();
    event->accept();
}

std::string qtTavoApplicationWindow::chooseFile(bool save, const std::string& title,
                                                const std::vector<FileType>& types)
{
    QStringList filters;
    // Image dialogs lead with one filter for every image type.
    const bool images = allImages(types);
    if (images)
        filters << ImagesFilter;
    for (const FileType& t : types)
        filters << QString("%1 (*.%2)").arg(QString::fromStdString(t.description), QString::fromStdString(t.extension));
    QString chosenFilter = filters.isEmpty() ? QString() : filters.front();
    const QString caption = QString::fromStdString(title);
    const QString filter = filters.join(";;");
    QString path = save ? QFileDialog::getSaveFileName(this, caption, QString(), filter, &chosenFilter)
                        : QFileDialog::getOpenFileName(this, caption, QString(), filter, &chosenFilter);
    if (save && !path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        qsizetype chosen = std::max<qsizetype>(filters.indexOf(chosenFilter) - (images ? 1 : 0), 0);
        if (chosen < static_cast<qsizetype>(types.size()))
            path += "." + QString::fromStdString(types[static_cast<size_t>(chosen)].extension);
    }
    return path.toStdString();
}
