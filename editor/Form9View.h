#pragma once
// The colour editor's window: binds the picture boxes, swatch lists, buttons
// and counter line to Form9Model and forwards the user's presses to it.

#include "editor/ColorEditorOpener.h"
#include "editor/Form9Model.h"

#include <QWidget>


#include <memory>

class QLabel;
class QPushButton;
class QScrollBar;
class QFrame;

namespace pav::editor {

class ImageBox;

class Form9View : public QWidget, public ColorEditorOpener, private Form9Observer {
    Q_OBJECT
public:
    // mainWindow lends the editor its icon.
    explicit Form9View(EditorHost* host, QWidget* mainWindow = nullptr);
    ~Form9View() override;

protected:
    void changeEvent(QEvent* event) override;

public:

    // Opens the editor on a chart and shows the window; a chart without cells leaves it hidden.
    bool openColorEditor(const chart::Chart& chart) override;

    Form9Model& model() { return *m_model; }

    // Controls, for the window's tests.
    ImageBox* thumbnailBox() const { return m_picture1; }
    ImageBox* magnifiedBox() const { return m_picture2; }
    ImageBox* listBox(Form9Model::ListSide side) const;
    QScrollBar* listScrollBar(Form9Model::ListSide side) const;
    QFrame* listFrame(Form9Model::ListSide side) const;
    QPushButton* replaceButton() const { return m_command1; }
    QPushButton* undoButton() const { return m_command2; }
    QPushButton* doneButton() const { return m_command3; }
    QLabel* counterLabel() const { return m_label6; }
    QLabel* sourceSwatch() const { return m_label1; }
    QLabel* targetSwatch() const { return m_label7; }

private:
    bool showOpened(bool opened);
    void form9Changed(Part part) override;
    void buildControls();
    void buildLists();
    void buildMiddleColumn();
    void connectActions();
    void layOut();
    void showImages();
    void showLists();
    void showSwatch(QLabel* label, std::int32_t thread);

    std::unique_ptr<Form9Model> m_model;

    ImageBox* m_picture1 = nullptr; // thumbnail with the marker
    ImageBox* m_picture2 = nullptr; // magnified view
    QFrame* m_picture3 = nullptr;   // left list frame
    QFrame* m_picture4 = nullptr;   // right list frame
    ImageBox* m_picture5 = nullptr; // left list
    ImageBox* m_picture6 = nullptr; // right list
    QScrollBar* m_vscroll3 = nullptr;
    QScrollBar* m_vscroll4 = nullptr;
    QLabel* m_label1 = nullptr; // source swatch
    QLabel* m_label5 = nullptr;
    QLabel* m_label7 = nullptr; // target swatch
    QLabel* m_label3 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label6 = nullptr; // counter line
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
};

} // namespace pav::editor
