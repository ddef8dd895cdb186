#pragma once

#include <string>
#include <string_view>

namespace quorvane {

inline constexpr char PathSeparator = '/';
inline constexpr const char* DefaultExtension = "vqe";

/// A path split by Unpack. There are no drive letters here, so Drive stays empty.
struct PathParts {
    std::string Path;        ///< the path, with ".<default extension>" added when it had none
    std::string Drive;
    std::string Folder;      ///< keeps its trailing separator ("/home/ann/models/")
    std::string Name;        ///< file name without folder and extension
    std::string Extension;   ///< text after the first "." of the file name, without the point
};

/// The shared path state of the load and save dialogs.
struct FilePaths {
    std::string CurrentPath;
    std::string CurrentDrive;
    std::string CurrentFolder;
    std::string CurrentExt;
    std::string DefaultExt = DefaultExtension;
};

/// Splits a path into folder, name and extension. The extension starts at the first "." of the
/// last path element, so dotted folder names ("/home/ann/.models/") stay folders; a path without
/// one gets "." + defaultExt, and a trailing "." gives defaultExt. A "*" in the folder part ends
/// the folder there (a search pattern).
PathParts Unpack(std::string path, std::string_view defaultExt);

/// drive + folder + separator + name + "." + extension; the separator is left out when the folder
/// is empty or already ends with one.
std::string JoinPath(std::string_view drive, std::string_view folder, std::string_view name,
                     std::string_view extension);

/// The current folder and extension around a name.
std::string FnamePack(const FilePaths& paths, std::string_view name);

}  // namespace quorvane
