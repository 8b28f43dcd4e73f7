#pragma once
// The About box on screen: product picture, name and version, and "==确定==".

#include <QDialog>

#include "settings/Form4Model.h"

class QLabel;

namespace pav::settings {

class Form4View : public QDialog, private Form4Observer {
    Q_OBJECT
public:
    explicit Form4View(Form4Model& model, QWidget* parent = nullptr);
    ~Form4View() override;

    // Shows the box without blocking its owner; every opening runs the window load.
    void showAbout();

    // The product picture: a small cross-stitched heart on aida cloth.
    static QPixmap productPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void textsChanged() override;
    void closeRequested() override;

    Form4Model& m_model;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
};

} // namespace pav::settings
