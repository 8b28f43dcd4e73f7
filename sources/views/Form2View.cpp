#include "sources/views/Form2View.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

#include "base/UiText.h"
#include "sources/SourceTexts.h"
#include "sources/views/ViewParts.h"

namespace pav::sources {

Form2View::Form2View(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages, const Drives& drives,
                     QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(host, paths, messages, drives) {
    setAttribute(Qt::WA_DeleteOnClose);
    setUiText(this, "windowTitle", kBrowserCaption);
    buildWidgets();
    connectActions();
    m_model.setObserver(this);
    m_model.load(QDir::currentPath().toStdString());
}

void Form2View::buildWidgets() {
    m_label1 = withUiText(new QLabel(this), kBrowserPrompt);
    m_drive1 = new QComboBox(this);
    m_dir1 = new QTreeWidget(this);
    m_dir1->setHeaderHidden(true);
    m_dir1->setRootIsDecorated(false);
    m_dir1->setIndentation(14);
    m_file1 = new QListWidget(this);
    m_image1 = makePreviewBox(this, QSize(200, 200));
    m_command1 = withUiText(new QPushButton(this), kOkCaption);
    m_command2 = withUiText(new QPushButton(this), kCancelCaption);
    m_command1->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_label1, 0, 0, 1, 3);
    grid->addWidget(m_drive1, 1, 0);
    grid->addWidget(m_dir1, 2, 0, 2, 1);
    grid->addWidget(m_file1, 1, 1, 3, 1);
    grid->addWidget(m_image1, 1, 2, 2, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    grid->addLayout(buttons, 3, 2, Qt::AlignBottom);
    m_drive1->setMinimumWidth(180);
    m_dir1->setMinimumWidth(180);
    m_file1->setMinimumWidth(180);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    resize(680, 380);
}

void Form2View::connectActions() {
    connect(m_drive1, &QComboBox::activated, this, [this](int index) {
        if (m_updating || index < 0) return;
        const std::string root = m_drive1->itemData(index).toString().toStdString();
        // The list is rebuilt by the model's answer; let the combo box finish its own signal first.
        QTimer::singleShot(0, this, [this, root] { m_model.chooseDrive(root); });
    });
    connect(m_dir1, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { folderActivated(item); });
    connect(m_file1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_updating && row >= 0) m_model.clickFile(row);
    });
    connect(m_file1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = m_file1->row(item);
        QTimer::singleShot(0, this, [this, row] { m_model.doubleClickFile(row); });
    });
    connect(m_command1, &QPushButton::clicked, this, [this] { m_model.ok(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { m_model.cancel(); });
}

void Form2View::folderActivated(QTreeWidgetItem* item) {
    if (!item) return;
    const std::string path = item->data(0, Qt::UserRole).toString().toStdString();
    // Opening a folder rebuilds the tree, which holds the activated item: do it after the signal.
    QTimer::singleShot(0, this, [this, path] { m_model.openFolder(path); });
}

void Form2View::drivesChanged() {
    UpdateGuard guard(m_updating);
    m_drive1->clear();
    for (const DriveInfo& d : m_model.drives())
        m_drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QString::fromStdString(d.label),
                          QString::fromStdString(d.root));
    m_drive1->setCurrentIndex(m_model.driveIndex());
}

void Form2View::foldersChanged() {
    UpdateGuard guard(m_updating);
    m_dir1->clear();
    // The chain from the drive's root nests down to the current folder, whose sub-folders hang below it.
    QTreeWidgetItem* chainEnd = nullptr;
    QTreeWidgetItem* current = nullptr;
    for (const FolderEntry& entry : m_model.folderEntries()) {
        auto* item = chainEnd ? new QTreeWidgetItem(chainEnd) : new QTreeWidgetItem(m_dir1);
        item->setText(0, QString::fromStdString(entry.name));
        item->setData(0, Qt::UserRole, QString::fromStdString(entry.path));
        item->setIcon(0, style()->standardIcon(current ? QStyle::SP_DirClosedIcon : QStyle::SP_DirOpenIcon));
        if (current) continue;
        chainEnd = item;
        if (entry.current) current = item;
    }
    m_dir1->expandAll();
    if (current) {
        m_dir1->setCurrentItem(current);
        m_dir1->scrollToItem(current);
    }
}

void Form2View::filesChanged() {
    UpdateGuard guard(m_updating);
    showFileList(m_file1, m_shownFiles, m_model.files(), m_model.selectedFile());
}

void Form2View::previewChanged() {
    showPreview(m_image1, m_model.preview());
}

void Form2View::closeRequested() {
    close();
}

} // namespace pav::sources
