#include "sources/views/ViewParts.h"

#include <QListWidget>
#include <QPixmap>

namespace pav::sources {

QLabel* makePreviewBox(QWidget* parent, QSize size) {
    auto* box = new QLabel(parent);
    box->setFixedSize(size);
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    box->setAlignment(Qt::AlignCenter);
    box->setBackgroundRole(QPalette::Base);
    box->setAutoFillBackground(true);
    return box;
}

void showPreview(QLabel* box, const QImage& picture) {
    if (picture.isNull()) return;
    const QSize room = box->contentsRect().size() - QSize(4, 4);
    QImage shown = picture;
    if (picture.width() > room.width() || picture.height() > room.height())
        shown = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    box->setPixmap(QPixmap::fromImage(shown));
}

void showFileList(QListWidget* list, std::vector<std::string>& shown, const std::vector<std::string>& files,
                  int selected) {
    if (shown != files) {
        shown = files;
        list->clear();
        for (const std::string& name : shown)
            list->addItem(QString::fromStdString(name));
    }
    list->setCurrentRow(selected);
}

} // namespace pav::sources
