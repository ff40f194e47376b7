#pragma once
// Every form class that exists, by class name. A form registers itself in its own .cpp; the menu
// enables a command only when its form is registered, and the form pictures include it.
//
// Use: static const FormRegistration kRegistration{"CDLGConfigPath", [] { return new CDLGConfigPath; }};

#include <functional>
#include <string>
#include <vector>

namespace tallowby {

class FormDialog;

struct FormEntry {
    std::string className;
    std::function<FormDialog*()> make;
};

const std::vector<FormEntry>& RegisteredForms();
const FormEntry* FindForm(const std::string& className);

// Builds the registered form, runs it modally through the platform and destroys it; false when no
// such form exists in this build.
bool RunRegisteredForm(const std::string& className);

struct FormRegistration {
    FormRegistration(std::string className, std::function<FormDialog*()> make);
};

}  // namespace tallowby
