#pragma once
// File-name tests, folder listings and picture decoding shared by the browser
// and the gallery. Paths are UTF-8 strings.

#include <string>
#include <vector>

#include <QImage>
#include <QSize>

namespace pav::sources {

// The last three characters of a file name (the whole name when it is shorter).
std::string lastThree(const std::string& name);

// The OK test: the last three characters are exactly bmp, jpg, gif, BMP, JPG or GIF.
// Mixed case ("Jpg") and four-letter extensions ("jpeg") fail, and so does an empty name.
bool passesFileTypeTest(const std::string& name);

// The browser previews lower-case names only.
bool hasLowerCasePictureType(const std::string& name);

// folder + separator + name, without doubling the separator after a root folder.
std::string joinPath(const std::string& folder, const std::string& name);

bool isFolder(const std::string& path);
std::string parentFolder(const std::string& path); // empty at the file system root
// Absolute, without "." and ".." parts or doubled separators.
std::string cleanPath(const std::string& path);

// Every file of a folder, hidden ones included, sorted by name; no name pattern.
std::vector<std::string> listFiles(const std::string& folder);
// The sub-folders of a folder, sorted by name.
std::vector<std::string> listFolders(const std::string& folder);

// The largest picture a preview box needs (room for a high-density screen).
inline constexpr QSize kPreviewBound{480, 480};
// The picture in the file, recognised by its content, for a preview. A larger one comes at most
// kPreviewBound in size, keeping its shape, decoded at that size where the format allows, so that
// a photo too large to decode whole (past the decoder's memory limit) still shows. A null image
// when the file cannot be decoded.
QImage decodePreview(const std::string& path);

} // namespace pav::sources
