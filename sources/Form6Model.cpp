#include "sources/Form6Model.h"

#include "sources/Geometry.h"
#include "sources/PictureFiles.h"
#include "sources/SourceTexts.h"

namespace pav::sources {

Form6Model::Form6Model(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages,
                       std::string programFolder)
    : m_host(host), m_paths(paths), m_messages(messages), m_programFolder(std::move(programFolder)) {}

QPoint Form6Model::placement(QPoint mainTopLeft) {
    return besideMainWindow(mainTopLeft, 4800, 1400);
}

void Form6Model::load() {
    m_disabledCategory = -1;
    notify(&Form6Observer::buttonsChanged);
    showFolder(categoryFolder(0));
}

int Form6Model::categoryCount() {
    return static_cast<int>(kGalleryCategories.size());
}

std::string Form6Model::categoryName(int index) {
    return std::string(kGalleryCategories.at(static_cast<std::size_t>(index)));
}

std::string Form6Model::categoryFolder(int index) const {
    return joinPath(m_programFolder, categoryName(index));
}

bool Form6Model::categoryEnabled(int index) const {
    return index != m_disabledCategory;
}

void Form6Model::chooseCategory(int index) {
    if (index < 0 || index >= categoryCount()) return;
    m_disabledCategory = index;
    notify(&Form6Observer::buttonsChanged);
    showFolder(categoryFolder(index));
}

void Form6Model::showFolder(const std::string& folder) {
    if (!isFolder(folder)) return;
    m_folder = folder;
    m_files = listFiles(folder);
    m_selected = -1;
    notify(&Form6Observer::filesChanged);
    // A picture of the category left behind would be shown beside a list where nothing is chosen.
    if (!m_preview.isNull()) {
        m_preview = QImage();
        notify(&Form6Observer::previewChanged);
    }
}

void Form6Model::clickFile(int index) {
    if (index < 0 || index >= static_cast<int>(m_files.size())) return;
    m_selected = index;
    notify(&Form6Observer::filesChanged);
    const std::string& name = m_files[static_cast<std::size_t>(index)];
    if (!passesFileTypeTest(name)) return;
    QImage picture = decodePreview(joinPath(m_folder, name));
    if (picture.isNull()) return;
    m_preview = std::move(picture);
    notify(&Form6Observer::previewChanged);
}

bool Form6Model::apply() {
    if (m_selected < 0) {
        // Nothing chosen: there is no picture to hand over, so picPath keeps the last one.
        reportBadPicture(m_messages);
        return false;
    }
    m_paths.picPath = joinPath(m_folder, m_files[static_cast<std::size_t>(m_selected)]);
    if (!m_host.loadSourcePicture(m_paths.picPath)) {
        reportBadPicture(m_messages, m_host.pictureFault(), m_host.pictureFitText());
        return false;
    }
    if (m_closeBrowser) m_closeBrowser();
    return true;
}

void Form6Model::quit() {
    notify(&Form6Observer::closeRequested);
}

} // namespace pav::sources
