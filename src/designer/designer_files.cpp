#include "designer/designer_files.h"

#include "designer/dlg_designer_data.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"

namespace {

Zrl_String backslashes(Zrl_String path) {
    path.replaceSubString(L"/", L"\\", true);
    return path;
}

} // namespace

Zrl_String getDesignerRootFolder() {
    return ensureEndBSlash(Zrl_Settings::libDir()) + L"Dialog Templates\\Dialog Design\\";
}

void getModuleImages(Zrl_StringArray& names) {
    const Zrl_String root = getDesignerRootFolder();
    Zrl_StringArray files;
    names.setLogicalLength(0);
    ObjectExportFindFilesRecursive(root, L"*.txt", files);
    for (const Zrl_String& file : files) {
        Zrl_String name = removeExtension(file).getSubStringAt(root.length());
        names.append(backslashes(name));
    }
    sortArray(names);
}

void GetImageDlgCtrlNames(const Zrl_String& path, Zrl_StringArray& names) {
    Zrl_DlgDesignerData data;
    names.setLogicalLength(0);
    if (data.readFromFile(path, false)) data.getAllCtrlNames(names);
}

bool templateNameOfPath(const Zrl_String& path, Zrl_String& name) {
    const Zrl_String root = backslashes(getDesignerRootFolder());
    const Zrl_String full = backslashes(path);
    if (!full.startsWith(root, false)) return false;
    name = removeExtension(full).getSubStringAt(root.length());
    return true;
}

Zrl_String templatePathOf(const Zrl_String& nameOrPath) {
    if (nameOrPath.endsWith(L".txt", false) || fileExists(nameOrPath)) return nameOrPath;
    return getDesignerRootFolder() + backslashes(nameOrPath) + L".txt";
}
