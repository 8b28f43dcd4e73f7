#pragma once
// Whether the chart name box has been clicked into since the program started.
// Only the very first click of the run clears the hint; the dialog is rebuilt
// at every opening, so this lives with the program, not with the dialog.

namespace pav::settings {

class Text1ClickMemory {
public:
    // Records one click; true when it is the first of the run.
    bool registerClick() {
        const bool first = !m_clicked;
        m_clicked = true;
        return first;
    }
    bool clickedBefore() const { return m_clicked; }

private:
    bool m_clicked = false;
};

} // namespace pav::settings
