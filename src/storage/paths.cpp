#include "storage/paths.h"

namespace quorvane {

PathParts Unpack(std::string path, std::string_view defaultExt) {
    PathParts parts;
    const std::size_t lastSeparator = path.rfind(PathSeparator);
    const std::size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    std::size_t dot = path.find('.', nameStart);
    if (dot == std::string::npos) {
        dot = path.size();
        path += '.';
        path += defaultExt;
    }
    parts.Extension = path.substr(dot + 1);
    if (parts.Extension.empty()) parts.Extension = defaultExt;
    const std::string stem = path.substr(0, dot);

    parts.Folder = stem.substr(0, stem.find('*'));
    const std::size_t stemSeparator = stem.rfind(PathSeparator);
    parts.Name = stemSeparator == std::string::npos ? stem : stem.substr(stemSeparator + 1);
    parts.Folder.resize(parts.Folder.size() > parts.Name.size() ? parts.Folder.size() - parts.Name.size() : 0);
    parts.Path = std::move(path);
    return parts;
}

std::string JoinPath(std::string_view drive, std::string_view folder, std::string_view name,
                     std::string_view extension) {
    std::string path(drive);
    path += folder;
    if (!folder.empty() && folder.back() != PathSeparator) path += PathSeparator;
    path += name;
    path += '.';
    path += extension;
    return path;
}

std::string FnamePack(const FilePaths& paths, std::string_view name) {
    return JoinPath(paths.CurrentDrive, paths.CurrentFolder, name, paths.CurrentExt);
}

}  // namespace quorvane
