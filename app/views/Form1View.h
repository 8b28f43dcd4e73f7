#pragma once
// The main window on screen: a fixed 600 x 462 pixel window with the menus,
// buttons, labels, check box, frame and scroll bars of Form1Model, the fabric
// frame and the magnified preview. All behaviour is the model's; this class
// binds widgets to it, shows the busy pointer while it works and lets pending
// events run (at most every 16 ms, user input held back) inside its loops.

#include "base/EventPump.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include "app/Form1Model.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace pav::app {

class ClickLabel;
class FabricBox;
class PreviewBox;

class Form1View : public QMainWindow, private Form1Observer {
public:
    static constexpr int kWidth = 9000 / kTwipsPerPixel;
    static constexpr int kHeight = 6930 / kTwipsPerPixel;
    // The fabric area's corner inside the frame "我的图片", below its caption line.
    static constexpr int kFrameCaptionRoom = 12;

    explicit Form1View(Form1Model& model, QWidget* parent = nullptr);
    ~Form1View() override;

    // The hooks the model's long loops run with.
    const TaskDelegate& events() const { return m_events; }
    FabricBox* fabricBox() const { return m_picture2; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void form1Changed(Form1Change what) override;
    void createMenus();
    void createControls();
    void createTextTool();
    void layOut();
    void connectControls();
    void connectBar(QScrollBar* bar, ScrollBar& model);
    void syncBar(QScrollBar* bar, const ScrollBar& model);
    void syncBars();
    void syncLabels();
    void syncButtons();
    void syncFabric();
    void syncTextTool();
    void syncBusy();
    void letEventsRun();
    QPushButton* makeButton(const char* name, const char* caption);
    ClickLabel* makeLabel(const char* name, const char* caption);

    Form1Model& m_model;
    TaskDelegate m_events;
    // Events other than the user's, at most every 16 ms.
    ThrottledEventPump m_pump{16, false, QEventLoop::ExcludeUserInputEvents};
    bool m_cursorBusy = false;

    QWidget* m_central = nullptr;
    QGroupBox* m_frame1 = nullptr;
    FabricBox* m_picture2 = nullptr;
    PreviewBox* m_picture1 = nullptr;
    QScrollBar* m_wChange = nullptr;
    QScrollBar* m_hChange = nullptr;
    QScrollBar* m_zoom = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label4 = nullptr;
    QCheckBox* m_check1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command11 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
    QPushButton* m_command7 = nullptr;
    QPushButton* m_command8 = nullptr;
    QPushButton* m_command9 = nullptr;
    QLineEdit* m_text1 = nullptr;
    ClickLabel* m_label2 = nullptr;
    ClickLabel* m_label3 = nullptr;
    ClickLabel* m_label5 = nullptr;
    ClickLabel* m_label6 = nullptr;
    ClickLabel* m_label7 = nullptr;
    ClickLabel* m_label9 = nullptr;
    ClickLabel* m_label10 = nullptr;
    ClickLabel* m_label11 = nullptr;
    ClickLabel* m_label12 = nullptr;
};

} // namespace pav::app
