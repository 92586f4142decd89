// The settings dialog template: tree, pages and the item selection.
#include "workshop/dlg_settings_template.h"

#include "frame/module_resources.h"
#include "platform/core/numbered_texts.h"
#include "workshop/settings_ids.h"

#include <algorithm>

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgSettingsTemplate::dialogTemplate());
});

} // namespace

CDlgSettingsTemplate::CDlgSettingsTemplate(win::Window* parent)
    : Dialog(IDD_SETTINGS_TEMPLATE, parent) {}

CDlgSettingsTemplate::~CDlgSettingsTemplate() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgSettingsTemplate::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_SETTINGS_TEMPLATE;
    t.width = 400;
    t.height = 240;
    t.caption = L"";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_SET_TREE, ControlKind::Placeholder, {7, 7, 117, 205}, 0, L""},
        {IDC_SET_PAGE_AREA, ControlKind::Static, {122, 7, 393, 205}, 0, L"", true},
        {IDC_SET_SEPARATOR, ControlKind::Static, {7, 209, 393, 211}, 0, L""},
        {IDC_SET_ADD, ControlKind::Button, {7, 219, 77, 233}, tab, L""},
        {IDC_SET_REMOVE, ControlKind::Button, {81, 219, 151, 233}, tab, L""},
        {win::IDOK, ControlKind::Button, {289, 219, 339, 233}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {343, 219, 393, 233}, tab, L"Cancel"},
    };
    return t;
}

bool CDlgSettingsTemplate::onInitDialog() {
    Zrl_String caption, addText, removeText;
    getTexts(caption, addText, removeText);
    setText(caption.str());
    const struct {
        int id;
        const Zrl_String& text;
    } buttons[] = {{IDC_SET_ADD, addText}, {IDC_SET_REMOVE, removeText}};
    for (const auto& b : buttons) {
        setItemText(b.id, b.text.str());
        showItem(b.id, !b.text.isEmpty());
    }
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());
    if (win::Window* separator = item(IDC_SET_SEPARATOR)) {
        win::Rect r = separator->rect();
        r.bottom = r.top + kSeparatorHeight;
        separator->setRect(r);
    }
    if (tree_.createInPlaceOf(this, IDC_SET_TREE, true)) tree_.setupTree(1, 1);
    rebuildItems();
    selectItem(0);
    return true;
}

void CDlgSettingsTemplate::rebuildItems() {
    items_.removeAll();
    fillItems(tree_, items_);
    fillTree();
}

void CDlgSettingsTemplate::fillTree() {
    rowItems_.clear();
    if (!tree_.setupTree(1, 1)) return;
    std::vector<int> rowOf(static_cast<size_t>(items_.length()), 0);
    for (int i = 0; i < items_.length(); ++i) {
        const VkTreeItem& it = items_[i];
        const Zrl_StringArray cells{it.name};
        int row = -1;
        if (it.parentName.isEmpty()) {
            row = tree_.addTopRow(cells);
        } else {
            // The nearest earlier item of that name with another page type;
            // an item whose parent is not in the tree is left out.
            for (int j = i - 1; j >= 0; --j) {
                if (items_[j].name.equal(it.parentName, true) &&
                    !items_[j].type.equal(it.type, false)) {
                    if (rowOf[j] > 0) row = tree_.addChildRow(rowOf[j], cells);
                    break;
                }
            }
        }
        if (row <= 0) continue;
        // A child row pushes the rows after it down.
        for (int& r : rowOf)
            if (r >= row) ++r;
        rowOf[i] = row;
        rowItems_.insert(rowItems_.begin() + (row - 1), i);
    }
    tree_.finishTree();
}

int CDlgSettingsTemplate::itemOfRow(int row) const {
    if (row < 1 || row > static_cast<int>(rowItems_.size())) return -1;
    return rowItems_[static_cast<size_t>(row - 1)];
}

int CDlgSettingsTemplate::rowOfItem(int item) const {
    const auto it = std::find(rowItems_.begin(), rowItems_.end(), item);
    return it == rowItems_.end() ? 0 : static_cast<int>(it - rowItems_.begin()) + 1;
}

CDlgGeneralSettingsChild* CDlgSettingsTemplate::pageFor(const Zrl_String& type) {
    for (const VkSettingsSubDlgType& p : pages_)
        if (p.type.equal(type, true)) return dynamic_cast<CDlgGeneralSettingsChild*>(p.page);
    win::ResourceId resource;
    std::unique_ptr<CDlgGeneralSettingsChild> page = createPage(type, resource);
    if (!page || !page->create(resource, this)) return nullptr;
    // The page fills the area right of the tree.
    if (win::Window* area = item(IDC_SET_PAGE_AREA)) page->setRect(area->rect());
    pages_.append(VkSettingsSubDlgType(page.get(), type));
    owned_.push_back(std::move(page));
    return owned_.back().get();
}

void CDlgSettingsTemplate::saveShownPage() {
    if (shown_ && current_ >= 0) shown_->saveItem(current_);
}

ErrorStatus CDlgSettingsTemplate::selectItem(int n) {
    if (n < 0 || n >= items_.length()) return Acad::eInvalidIndex;
    if (n == current_) return Acad::eOk;
    saveShownPage();
    if (shown_ && current_ >= 0 && items_[n].type.equal(items_[current_].type, true)) {
        shown_->loadItem(n);
        current_ = n;
        return Acad::eOk;
    }
    if (shown_) shown_->show(false);
    shown_ = nullptr;
    current_ = -1;
    CDlgGeneralSettingsChild* page = pageFor(items_[n].type);
    if (!page) return Acad::eInvalidIndex;
    page->show(true);
    shown_ = page;
    page->loadItem(n);
    current_ = n;
    return Acad::eOk;
}

bool CDlgSettingsTemplate::onCommand(int id, int notifyCode) {
    if (id == IDC_SET_TREE) {
        if (notifyCode == Zrl_Spread::kNotifyClick) selectItem(itemOfRow(tree_.activeRow()));
        return true;
    }
    if (id == IDC_SET_ADD) {
        onAdd();
        return true;
    }
    if (id == IDC_SET_REMOVE) {
        onRemove();
        return true;
    }
    return false;
}

void CDlgSettingsTemplate::onOK() {
    saveShownPage();
    win::Dialog::onOK();
}

void CDlgSettingsTemplate::onDestroy() {
    shown_ = nullptr;
    current_ = -1;
    pages_.removeAll();
    for (auto& page : owned_)
        if (page->isCreated()) page->destroy();
    owned_.clear();
    win::Dialog::onDestroy();
}
