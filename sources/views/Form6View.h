#pragma once
// The sample gallery's window: category buttons, file list, preview, Apply and
// Quit bound to Form6Model. Deletes itself when closed.

#include <array>
#include <string>
#include <vector>

#include <QWidget>

#include "sources/Form6Model.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace pav::sources {

class Form6View : public QWidget, private Form6Observer {
    Q_OBJECT
public:
    Form6View(SourceHost& host, PicturePaths& paths, pav::MessageSink& messages, std::string programFolder,
              QWidget* parent = nullptr);

    Form6Model& model() { return m_model; }

    QPushButton* categoryButton(int index) const { return m_categories.at(static_cast<std::size_t>(index)); }
    QListWidget* fileList() const { return m_file1; }
    QLabel* previewBox() const { return m_image1; }
    QPushButton* applyButton() const { return m_command5; }
    QPushButton* quitButton() const { return m_command9; }

private:
    void buildWidgets();
    void connectActions();

    void buttonsChanged() override;
    void filesChanged() override;
    void previewChanged() override;
    void closeRequested() override;

    Form6Model m_model;
    std::array<QPushButton*, 7> m_categories{};
    QListWidget* m_file1 = nullptr;
    QLabel* m_image1 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command9 = nullptr;
    std::vector<std::string> m_shownFiles;
    bool m_updating = false;
};

} // namespace pav::sources
