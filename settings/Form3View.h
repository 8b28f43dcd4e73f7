#pragma once
// The chart-settings dialog on screen: editable lists bound to Form3Model, non-modal.

#include <array>

#include <QDialog>

#include "settings/Form3Model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace pav::settings {

class Form3View : public QDialog, private Form3Observer {
    Q_OBJECT
public:
    explicit Form3View(Form3Model& model, QWidget* parent = nullptr);
    ~Form3View() override;

    // Shows the dialog without blocking its owner. A closed dialog comes back
    // with its initial texts; an open one is only brought to the front.
    void showSettings();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Esc and the close box act as "取消".
    void reject() override;

private:
    std::string modelText(Form3Combo which, const QString& shown) const;
    void buildControls();
    void connectControls();
    void controlsChanged() override;
    void closeRequested() override;
    void applyClicked();

    Form3Model& m_model;
    std::array<QComboBox*, kForm3ComboCount> m_combos{};
    QLineEdit* m_text1 = nullptr;
    QCheckBox* m_check1 = nullptr; // "允许特殊绣线"
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
};

} // namespace pav::settings
