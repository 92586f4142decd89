#include "platform/core/resizer.h"

#include "platform/win/window.h"

#include <algorithm>
#include <cmath>

namespace {

int edgeOf(const win::Rect& r, CResizer::Edge e) {
    switch (e) {
    case CResizer::kLeft:
        return r.left;
    case CResizer::kTop:
        return r.top;
    case CResizer::kRight:
        return r.right;
    default:
        return r.bottom;
    }
}

} // namespace

CResizer::Rule CResizer::rule(int id, Anchor left, Anchor top, Anchor right, Anchor bottom) {
    Rule r;
    r.id = id;
    r.left.anchor = left;
    r.top.anchor = top;
    r.right.anchor = right;
    r.bottom.anchor = bottom;
    return r;
}

bool CResizer::init(win::Window* dlg, std::vector<Rule> rules) {
    if (!dlg) return false;
    std::vector<Entry> entries;
    for (const Rule& r : rules) {
        win::Window* ctrl = dlg->child(r.id);
        if (!ctrl) return false;
        entries.push_back({r, ctrl->rect()});
    }
    dlg_ = dlg;
    baseSize_ = dlg->clientRect().size();
    entries_ = std::move(entries);
    return true;
}

int CResizer::place(const EdgeRule& e, int base, int oldSize, int newSize) const {
    switch (e.anchor) {
    case kNear:
        return base;
    case kFar:
        return base + newSize - oldSize;
    case kProportional:
        if (oldSize <= 0) return base;
        return static_cast<int>(std::lround(static_cast<double>(base) * newSize / oldSize));
    default: {
        // The followed control's base and current edge, from its entry when
        // it has one, else from the window itself (it does not move).
        win::Window* ref = dlg_->child(e.refId);
        if (!ref) return base;
        win::Rect refBase = ref->rect();
        for (const Entry& other : entries_) {
            if (other.rule.id == e.refId) refBase = other.base;
        }
        return base + edgeOf(ref->rect(), e.refEdge) - edgeOf(refBase, e.refEdge);
    }
    }
}

void CResizer::move() {
    if (!dlg_) return;
    const win::Size now = dlg_->clientRect().size();
    for (const Entry& e : entries_) {
        win::Window* ctrl = dlg_->child(e.rule.id);
        if (!ctrl) continue;
        win::Rect r;
        r.left = place(e.rule.left, e.base.left, baseSize_.cx, now.cx);
        r.right = place(e.rule.right, e.base.right, baseSize_.cx, now.cx);
        r.top = place(e.rule.top, e.base.top, baseSize_.cy, now.cy);
        r.bottom = place(e.rule.bottom, e.base.bottom, baseSize_.cy, now.cy);
        r.right = std::max(r.right, r.left);
        r.bottom = std::max(r.bottom, r.top);
        if (r != ctrl->rect()) ctrl->setRect(r);
    }
}
