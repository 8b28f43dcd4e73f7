#include "settings/Form4Model.h"

#include "settings/SettingsTexts.h"

namespace pav::settings {

std::string Form4Model::caption() {
    return std::string(kForm4Caption);
}

std::string Form4Model::label1Text() {
    return std::string(kForm4Label1);
}

void Form4Model::load() {
    m_label2 = std::string(kForm4Label2);
    if (m_observer) m_observer->textsChanged();
}

void Form4Model::label1Click() {
    if (m_observer) m_observer->closeRequested();
}

} // namespace pav::settings
