// Reading and writing a designed dialog's template and attaching its
// picture.
#include "designer/designer_files.h"
#include "designer/dlg_designer_data.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"

bool Zrl_DlgDesignerData::getNameFromFile(const Zrl_String& path, Zrl_String& templateName) const {
    return templateNameOfPath(path, templateName);
}

bool Zrl_DlgDesignerData::readFromFile(const Zrl_String& path, bool withImage) {
    if (!fileExists(path)) return false;
    Zrl_String readName;
    if (!getNameFromFile(path, readName)) return false;
    Zrl_PropertiesList list;
    if (list.readFromFile(path) != Acad::eOk) return false;
    int count = 0;
    const ErrorStatus es = list.getProperty(L"nrOfControls", count);
    if (es == Acad::eInvalidInput || count < 0 || count > kMaxTemplateControls) return false;
    // A declared count is a bound, not an allocation: a file cannot hold more
    // controls than it has entries, so a few bytes cannot ask for 100,000.
    if (count > list.length()) return false;

    controls.removeAll();
    for (int i = 0; i < count; ++i) {
        Zrl_DesignerControl control;
        control.getFromPropList(list, i);
        append(control);
    }
    name = readName;
    if (withImage && !attachBitmap(changeExtension(path, L"bmp"))) detachBitmap();
    return true;
}

bool Zrl_DlgDesignerData::writeToFile(const Zrl_String& path) {
    const Zrl_String oldName = name;
    Zrl_String newName;
    if (!getNameFromFile(path, newName) || newName.isEmpty()) return false;
    if (attached && hasImage()) getSizeFromAllControls();

    Zrl_PropertiesList list;
    list.setProperty(L"nrOfControls", controls.length());
    for (int i = 0; i < controls.length(); ++i)
        controls[i].setToPropList(list, i);
    if (!ObjectExportCreateDirectory(getPath(path))) return false;
    if (list.writeToFile(path) != Acad::eOk) return false;
    name = newName;
    // The picture goes along to the new name (nothing to do for the same
    // file or a template that had none).
    if (!oldName.isEmpty()) {
        const Zrl_String from = getDesignerRootFolder() + oldName + L".bmp";
        const Zrl_String to = changeExtension(path, L"bmp");
        if (!oldName.equal(newName, false) && fileExists(from)) copyFile(from, to);
    }
    return true;
}

bool Zrl_DlgDesignerData::attachBitmap(const Zrl_String& path) {
    if (!fileExists(path)) return false;
    auto loaded = win::Bitmap::load(resolvePath(path).wstring());
    if (!loaded || loaded->isNull()) return false;
    image = std::move(*loaded);
    // The mask: white pixels are transparent (white in the mask), the rest
    // opaque (black).
    mask = win::Bitmap(image.width(), image.height(), win::rgb(0, 0, 0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const win::Rgba p = image.pixel(x, y);
            if (p.r == 255 && p.g == 255 && p.b == 255) mask.setPixel(x, y, win::rgb(255, 255, 255));
        }
    imageWidth = image.width();
    imageHeight = image.height();
    return true;
}

void Zrl_DlgDesignerData::detachBitmap() {
    image = win::Bitmap();
    mask = win::Bitmap();
    imageWidth = 0;
    imageHeight = 0;
}
