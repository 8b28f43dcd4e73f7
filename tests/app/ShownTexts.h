#pragma once
// Every text a window shows: its title, captions, list items, box texts, menu
// entries and tool tips, each with the name of what shows it.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace pav::app::testing {

using ShownText = std::pair<QString, QString>; // who shows it, the text

inline std::vector<ShownText> shownTexts(QWidget* window) {
    std::vector<ShownText> texts;
    const auto add = [&](QObject* owner, const QString& text) {
        if (!text.isEmpty())
            texts.push_back({QString::fromLatin1(owner->metaObject()->className()) + " " + owner->objectName(), text});
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->isWindow()) add(w, w->windowTitle());
        add(w, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) add(w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) add(w, group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w)) add(w, edit->text());
        if (auto* menu = qobject_cast<QMenu*>(w)) add(w, menu->title());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) add(w, combo->itemText(i));
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) add(w, list->item(i)->text());
        for (QAction* action : w->actions()) add(action, action->text());
    }
    return texts;
}

// Han characters, CJK punctuation and full-width forms.
inline bool hasChinese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

} // namespace pav::app::testing
