#include "app/forms/FormCatalog.h"

#include <algorithm>

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

FormRegistration::FormRegistration(std::string className, std::function<FormDialog*()> make) {
    Catalog().push_back({std::move(className), std::move(make)});
}

}  // namespace tallowby
