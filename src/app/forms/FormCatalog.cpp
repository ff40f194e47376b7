#include "app/forms/FormCatalog.h"

#include "app/forms/FormDialog.h"

#include <algorithm>
#include <memory>

namespace tallowby {

namespace {
std::vector<FormEntry>& Catalog() {
    static std::vector<FormEntry> catalog;
    return catalog;
}
}  // namespace

const std::vector<FormEntry>& RegisteredForms() { return Catalog(); }

const FormEntry* FindForm(const std::string& className) {
    auto found = std::find_if(Catalog().begin(), Catalog().end(),
                              [&](const FormEntry& entry) { return entry.className == className; });
    return found == Catalog().end() ? nullptr : &*found;
}

bool RunRegisteredForm(const std::string& className) {
    const FormEntry* entry = FindForm(className);
    if (!entry) return false;
    std::unique_ptr<FormDialog> form(entry->make());
    form->RunModally();
    return true;
}

FormRegistration::FormRegistration(std::string className, std::function<FormDialog*()> make) {
    Catalog().push_back({std::move(className), std::move(make)});
}

}  // namespace tallowby
