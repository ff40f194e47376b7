#include "app/FileChoosers.h"

#include "app/SharedState.h"
#include "app/Text.h"
#include "app/Workspace.h"
#include "platform/Platform.h"

namespace tallowby {

bool ChooseDatabaseFile() {
    const char* extension = Shared().databaseFormat == 0 ? "fa" : "txt";
    FileDialogRequest request;
    request.filter = Format("Files (*.%s);;All Files (*)", extension);
    request.defaultExtension = extension;
    request.initialFolder = WorkspaceFile("database/");
    std::optional<std::string> chosen = Plat().ChooseOpenFile(request);
    if (!chosen) return false;
    if (*chosen != Shared().databasePath) Shared().databasePath = *chosen;
    return true;
}

bool ChooseAnnotationFile() {
    const std::string& type = Shared().annotationType;
    std::string extension = type == "refFlat" ? "txt" : type;
    FileDialogRequest request;
    // Annotation files are often kept gzip-compressed; the readers take both forms.
    request.filter = Format("Files (*.%s *.%s.gz);;All Files (*)", extension.c_str(), extension.c_str());
    request.initialName = "*." + extension;
    request.defaultExtension = type;
    std::optional<std::string> chosen = Plat().ChooseOpenFile(request);
    if (!chosen) return false;
    if (*chosen != Shared().annotationPath) Shared().annotationPath = *chosen;
    return true;
}

}  // namespace tallowby
