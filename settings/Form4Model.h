#pragma once
// The About box: the product name and version, and a "==确定==" label that
// closes it. It is a small dialog of the settings level, beside Form3.

#include <string>

namespace pav::settings {

class Form4Observer {
public:
    virtual ~Form4Observer() = default;
    virtual void textsChanged() {}
    virtual void closeRequested() {}
};

class Form4Model {
public:
    void setObserver(Form4Observer* observer) { m_observer = observer; }

    static std::string caption();
    static std::string label1Text();
    // Empty until the window loads, then the product name and version.
    const std::string& label2Text() const { return m_label2; }

    // Window load: sets Label2.
    void load();
    // Label1 acts as the OK button.
    void label1Click();

private:
    Form4Observer* m_observer = nullptr;
    std::string m_label2;
};

} // namespace pav::settings
