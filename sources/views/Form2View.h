#pragma once
// The file browser's window: binds the drive list, folder tree, file list,
// preview and buttons to Form2Model. Deletes itself when closed.

#include <string>
#include <vector>

#include <QWidget>

#include "sources/Form2Model.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pav::sources {

class Form2View : public QWidget, private Form2Observer {
    Q_OBJECT
public:
    Form2View(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages, const Drives& drives,
              QWidget* parent = nullptr);

    Form2Model& model() { return m_model; }

    QComboBox* driveList() const { return m_drive1; }
    QTreeWidget* folderTree() const { return m_dir1; }
    QListWidget* fileList() const { return m_file1; }
    QLabel* previewBox() const { return m_image1; }
    QPushButton* okButton() const { return m_command1; }
    QPushButton* cancelButton() const { return m_command2; }

private:
    void buildWidgets();
    void connectActions();

    void drivesChanged() override;
    void foldersChanged() override;
    void filesChanged() override;
    void previewChanged() override;
    void closeRequested() override;

    void folderActivated(QTreeWidgetItem* item);

    Form2Model m_model;
    QLabel* m_label1 = nullptr;
    QComboBox* m_drive1 = nullptr;
    QTreeWidget* m_dir1 = nullptr;
    QListWidget* m_file1 = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    std::vector<std::string> m_shownFiles;
    bool m_updating = false;
};

} // namespace pav::sources
