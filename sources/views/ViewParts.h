#pragma once
// Pieces shared by the browser's and the gallery's windows.

#include <string>
#include <string_view>
#include <vector>

#include <QImage>
#include <QLabel>
#include <QString>

class QListWidget;

namespace pav::sources {

inline QString toQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The fixed-size preview box: the picture is shrunk to fit, keeping its shape,
// and never enlarged past its own size.
QLabel* makePreviewBox(QWidget* parent, QSize size);
void showPreview(QLabel* box, const QImage& picture);

// Shows the model's file names and selection. The list is refilled only when the names
// changed (shown caches them), so a click does not reset the scroll position.
void showFileList(QListWidget* list, std::vector<std::string>& shown, const std::vector<std::string>& files,
                  int selected);

// Keeps the view's own list updates from reaching the model as user actions.
class UpdateGuard {
public:
    explicit UpdateGuard(bool& flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~UpdateGuard() { m_flag = m_was; }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

} // namespace pav::sources
