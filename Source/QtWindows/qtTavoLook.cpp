#include "QtWindows/qtTavoLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace {
struct RoleColour {
    QPalette::ColorRole role;
    QRgb colour;
};
// Dark enough that bright viewport colours stand out, light enough for
// long sessions; text keeps a high contrast everywhere.
constexpr RoleColour roles[] = {
    {QPalette::Window, 0x3c3f41},        {QPalette::WindowText, 0xe0e0e0}, {QPalette::Base, 0x2b2b2b},
    {QPalette::AlternateBase, 0x353739}, {QPalette::ToolTipBase, 0xf5f0d8}, {QPalette::ToolTipText, 0x202020},
    {QPalette::Text, 0xe0e0e0},          {QPalette::Button, 0x45494a},     {QPalette::ButtonText, 0xe0e0e0},
    {QPalette::BrightText, 0xff6060},    {QPalette::Highlight, 0x4b78b4},  {QPalette::HighlightedText, 0xffffff},
    {QPalette::Link, 0x78a8e8},          {QPalette::PlaceholderText, 0x909090},
};
constexpr QRgb disabledText = 0x7a7a7a;
} // namespace

void applyTavoLook(QApplication& app)
{
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        app.setStyle(fusion);
    QPalette palette;
    for (const RoleColour& r : roles)
        palette.setColor(r.role, QColor(r.colour));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(disabledText));
    // No embossed shadow under disabled text, which reads as doubled on grey.
    palette.setColor(QPalette::Disabled, QPalette::Light, Qt::transparent);
    app.setPalette(palette);
}
