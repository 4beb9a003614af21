#pragma once
// The scene file types the dialogs offer and the description of each
// extension. Extensions are given without the dot.
#include <string>
#include <string_view>
#include <vector>

struct FileType {
    std::string extension;   // "tvb"
    std::string description; // "Tavo File"
};

// "tvb", "tva", "obj", "dxf", "3ds", "fac", each with its description: what
// "Open Scene" and "Load Into Scene" offer.
std::vector<FileType> openFileTypes();
// The open list followed by "rib", "stl", "pov": what the save and export
// dialogs offer.
std::vector<FileType> saveFileTypes();
// The description of an extension, compared exactly ("TVB" is not "tvb");
// "Not Found" for any extension outside the table.
std::string_view fileTypeDescription(std::string_view extension);
// The extension of a path's file name without the dot, lower-cased (so that
// "Robot.TVB" still picks the binary writer); empty when there is none.
std::string fileExtension(const std::string& path);
// `path` made absolute and normal, so that the title, the recent files and
// "Save Scene" do not depend on the folder the program was started in.
std::string absoluteFilePath(const std::string& path);
