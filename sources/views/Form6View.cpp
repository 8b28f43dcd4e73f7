#include "sources/views/Form6View.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/UiText.h"
#include "sources/SourceTexts.h"
#include "sources/views/ViewParts.h"

namespace pav::sources {

Form6View::Form6View(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages,
                     std::string programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(host, paths, messages, std::move(programFolder)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setUiText(this, "windowTitle", kGalleryCaption);
    buildWidgets();
    connectActions();
    m_model.setObserver(this);
    m_model.load();
}

void Form6View::buildWidgets() {
    auto* categories = new QVBoxLayout;
    for (int i = 0; i < Form6Model::categoryCount(); ++i) {
        // A category is a folder of the gallery; the button names it in the user's language.
        auto* button = withUiText(new QPushButton(this), Form6Model::categoryName(i));
        button->setMinimumWidth(72);
        m_categories.at(static_cast<std::size_t>(i)) = button;
        categories->addWidget(button);
    }
    categories->addStretch();
    m_file1 = new QListWidget(this);
    m_image1 = makePreviewBox(this, QSize(240, 240));
    m_command5 = withUiText(new QPushButton(this), kApplyCaption);
    m_command9 = withUiText(new QPushButton(this), kQuitCaption);

    auto* grid = new QGridLayout(this);
    grid->addLayout(categories, 0, 0, 2, 1);
    grid->addWidget(m_file1, 0, 1, 2, 1);
    grid->addWidget(m_image1, 0, 2, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command5);
    buttons->addWidget(m_command9);
    grid->addLayout(buttons, 1, 2, Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
    resize(600, 330);
}

void Form6View::connectActions() {
    for (int i = 0; i < Form6Model::categoryCount(); ++i)
        connect(categoryButton(i), &QPushButton::clicked, this, [this, i] { m_model.chooseCategory(i); });
    connect(m_file1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_updating && row >= 0) m_model.clickFile(row);
    });
    connect(m_command5, &QPushButton::clicked, this, [this] { m_model.apply(); });
    connect(m_command9, &QPushButton::clicked, this, [this] { m_model.quit(); });
}

void Form6View::buttonsChanged() {
    for (int i = 0; i < Form6Model::categoryCount(); ++i)
        categoryButton(i)->setEnabled(m_model.categoryEnabled(i));
}

void Form6View::filesChanged() {
    UpdateGuard guard(m_updating);
    showFileList(m_file1, m_shownFiles, m_model.files(), m_model.selectedFile());
}

void Form6View::previewChanged() {
    showPreview(m_image1, m_model.preview());
}

void Form6View::closeRequested() {
    close();
}

} // namespace pav::sources
